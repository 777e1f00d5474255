// PF_Cmd_EVENT as the host sends it: the event record for a draw, a click or a cursor check in
// one of the windows where an effect may have custom controls, with a canvas for a draw.
#pragma once

#include <memory>

#include "hostsim/drawbot_canvas.h"
#include "hostsim/host.h"
#include "sdk/ae_effect.h"

namespace ostra::hostsim {

enum class EventWindow : A_long {
  Composition = PF_Window_COMP,
  Layer = PF_Window_LAYER,
  EffectControls = PF_Window_EFFECT,
};

// Where the event happens: a parameter's control in a window. `frame` is the control's area
// in window (canvas) units; `area` tells the control area from the title row.
struct EventPlace {
  EventWindow window = EventWindow::EffectControls;
  PF_ParamIndex index = 1;
  PF_Rect frame{0, 0, 200, 50};
  A_long area = PF_EA_CONTROL;
};

class EffectEvent {
 public:
  // A draw into a fresh, transparent canvas of `width` × `height` window units at `scale`
  // pixels per unit. Throws as DrawbotCanvas does.
  static EffectEvent draw(const EventPlace& place, int width, int height, int scale = 1);
  // A single click at `at`, in window units.
  static EffectEvent click(const EventPlace& place, PF_Point at);
  // The host asks which cursor to show at `at`; set_cursor starts as PF_Cursor_NONE.
  static EffectEvent adjustCursor(const EventPlace& place, PF_Point at);

  EffectEvent(EffectEvent&&) noexcept;
  EffectEvent& operator=(EffectEvent&&) noexcept;
  ~EffectEvent();

  // The record sent; a test may change any field before sending. evt_out_flags starts at 0.
  PF_EventExtra& extra() { return extra_; }
  const PF_EventExtra& extra() const { return extra_; }
  // The draw's canvas; null for other events.
  const DrawbotCanvas* canvas() const { return canvas_.get(); }

 private:
  EffectEvent(const EventPlace& place, A_long type);

  // The context lives apart from the event, so that contextH stays valid when it moves.
  struct Context {
    PF_Context record{};
    PF_Context* pointer = &record;
  };
  std::unique_ptr<Context> context_;
  std::unique_ptr<DrawbotCanvas> canvas_;
  PF_EventExtra extra_{};

  friend CallResult sendEvent(Host& host, EffectEvent& event, PF_ParamDef** params);
};

// Opens the event's context (with its canvas attached for a draw) for the length of the call,
// so that the module finds its drawing reference, and sends PF_Cmd_EVENT.
CallResult sendEvent(Host& host, EffectEvent& event, PF_ParamDef** params = nullptr);

}  // namespace ostra::hostsim
