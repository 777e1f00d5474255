#include "plugin/ui/header_colors.h"

#include "plugin/host/host_error.h"
#include "plugin/host/suite_scope.h"
#include "sdk/ae_suites.h"

namespace Kestrix::Bevel {
namespace {

// Slightly below 1/65535, so that a full channel stays just under 1.0.
constexpr double kChannelScale = 1.5259e-5;

float panelChannel(A_u_short channel) { return static_cast<float>(channel * kChannelScale); }

HeaderColors readHeaderColors(PF_InData* in_data) {
  PF_App_Color panel{};
  {
    SuiteScope<PFAppSuite6> app(in_data, kPFAppSuite, kPFAppSuiteVersion6);
    // Without the panel's colour the header would keep a wrong one for the whole process.
    if (const PF_Err err = app->PF_AppGetBgColor(&panel); err != PF_Err_NONE) throwHostError(err);
  }
  return {{panelChannel(panel.red), panelChannel(panel.green), panelChannel(panel.blue), 1.0f},
          {0.435f, 0.286f, 0.87f, 1.0f}};
}

}  // namespace

const HeaderColors& GetHeaderColors(PF_InData* in_data) {
  static const HeaderColors colors = readHeaderColors(in_data);
  return colors;
}

}  // namespace Kestrix::Bevel
