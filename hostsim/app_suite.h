// "PF AE App Suite" v6: the host application's look, here the panels' background colour.
#pragma once

#include <mutex>

#include "sdk/ae_suites.h"

namespace ostra::hostsim {

// A dark grey panel, as the host's default theme has.
inline constexpr PF_App_Color kDefaultPanelColor{0x2323, 0x2323, 0x2323};

// Safe to use from any thread.
class AppLook {
 public:
  void setPanelColor(const PF_App_Color& color);
  PF_App_Color panelColor() const;

 private:
  mutable std::mutex mutex_;
  PF_App_Color panel_ = kDefaultPanelColor;
};

const PFAppSuite6& appSuite();

}  // namespace ostra::hostsim
