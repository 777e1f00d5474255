// The header parameter's control in the Effect Controls panel, framed away from the panel's
// corner so that every coordinate the effect draws at is seen to be relative to the frame.
#pragma once

#include "hostsim/effect_event.h"
#include "tests/integration/module_fixture.h"

namespace ostra::test {

inline constexpr PF_Rect kHeaderFrame{6, 4, 206, 54};
inline constexpr int kPanelWidth = 212;
inline constexpr int kPanelHeight = 58;
inline constexpr const char* kWebAddress = "https://kestrix.example/quellon";
inline constexpr const char* kSiteName = "kestrix.example";
// Marks an out flag no handler may set, to see whether the event's flags were written.
inline constexpr A_long kUntouchedFlags = 0x40;

class HeaderTest : public ModuleTest {
 protected:
  static hostsim::EventPlace place(
      hostsim::EventWindow window = hostsim::EventWindow::EffectControls,
      A_long area = PF_EA_CONTROL) {
    return {window, 1, kHeaderFrame, area};
  }
  static hostsim::EffectEvent drawEvent(const hostsim::EventPlace& where = place(), int scale = 1) {
    hostsim::EffectEvent event =
        hostsim::EffectEvent::draw(where, kPanelWidth, kPanelHeight, scale);
    event.extra().evt_out_flags = kUntouchedFlags;
    return event;
  }
  hostsim::CallResult send(hostsim::EffectEvent& event) {
    return hostsim::sendEvent(host(), event);
  }

  static bool blank(const hostsim::DrawbotCanvas& canvas) {
    for (int y = 0; y < canvas.pixelHeight(); ++y) {
      for (int x = 0; x < canvas.pixelWidth(); ++x) {
        if (canvas.pixel(x, y).a != 0) return false;
      }
    }
    return true;
  }
};

}  // namespace ostra::test
