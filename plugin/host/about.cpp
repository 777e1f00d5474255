#include "plugin/host/commands.h"
#include "plugin/host/effect_identity.h"
#include "plugin/host/suite_scope.h"
#include "sdk/ae_suites.h"

namespace Kestrix::Bevel {

PF_Err HandleAbout(PF_InData* in_data, PF_OutData* out_data) {
  SuiteScope<PF_ANSICallbacksSuite1> ansi(in_data, kPFANSISuite, kPFANSISuiteVersion1);
  ansi->sprintf(out_data->return_msg, "%s v%d.%d\r%s", kDisplayName, kMajorVersion, kMinorVersion,
                kDisplayName);
  return PF_Err_NONE;
}

}  // namespace Kestrix::Bevel
