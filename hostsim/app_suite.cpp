#include "hostsim/app_suite.h"

#include "hostsim/current_host.h"
#include "hostsim/host.h"

namespace ostra::hostsim {

void AppLook::setPanelColor(const PF_App_Color& color) {
  std::lock_guard lock(mutex_);
  panel_ = color;
}

PF_App_Color AppLook::panelColor() const {
  std::lock_guard lock(mutex_);
  return panel_;
}

namespace {

PF_Err appGetBgColor(PF_App_Color* color) {
  if (color == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
  return detail::withCurrentHost(PF_Err_INVALID_CALLBACK, [&](Host& host) {
    *color = host.appLook().panelColor();
    return PF_Err_NONE;
  });
}

constexpr PFAppSuite6 kAppSuite{appGetBgColor};

}  // namespace

const PFAppSuite6& appSuite() { return kAppSuite; }

}  // namespace ostra::hostsim
