#include "hostsim/effect_event.h"

namespace ostra::hostsim {
namespace {

// Marks the host's context records, as the real host's carry a magic word.
constexpr A_u_long kContextMagic = 0x6f737472;  // "ostr"

}  // namespace

EffectEvent::EffectEvent(const EventPlace& place, A_long type)
    : context_(std::make_unique<Context>()) {
  context_->record.magic = kContextMagic;
  context_->record.w_type = static_cast<A_long>(place.window);
  extra_.contextH = &context_->pointer;
  extra_.e_type = type;
  extra_.effect_win.index = place.index;
  extra_.effect_win.area = place.area;
  extra_.effect_win.current_frame = place.frame;
  extra_.effect_win.param_title_frame = {0, place.frame.top, place.frame.left, place.frame.bottom};
  extra_.evt_in_flags = 0;
  extra_.evt_out_flags = PF_EO_NONE;
}

EffectEvent::EffectEvent(EffectEvent&&) noexcept = default;
EffectEvent& EffectEvent::operator=(EffectEvent&&) noexcept = default;
EffectEvent::~EffectEvent() = default;

EffectEvent EffectEvent::draw(const EventPlace& place, int width, int height, int scale) {
  EffectEvent event(place, PF_Event_DRAW);
  event.canvas_ = std::make_unique<DrawbotCanvas>(width, height, scale);
  event.extra_.u.draw.update_rect = {0, 0, width, height};
  event.extra_.u.draw.depth = 32;
  return event;
}

EffectEvent EffectEvent::click(const EventPlace& place, PF_Point at) {
  EffectEvent event(place, PF_Event_DO_CLICK);
  event.extra_.u.do_click.screen_point = at;
  event.extra_.u.do_click.num_clicks = 1;
  return event;
}

EffectEvent EffectEvent::adjustCursor(const EventPlace& place, PF_Point at) {
  EffectEvent event(place, PF_Event_ADJUST_CURSOR);
  event.extra_.u.adjust_cursor.screen_point = at;
  event.extra_.u.adjust_cursor.set_cursor = PF_Cursor_NONE;
  return event;
}

namespace {

// The context is open, and the canvas attached, exactly while the module is called.
class OpenContext {
 public:
  OpenContext(Host& host, PF_ContextH context, DrawbotCanvas* canvas)
      : host_(host), context_(context) {
    if (canvas != nullptr) drawRef_ = host.drawbot().attach(*canvas);
    host.eventContexts().open(context, drawRef_);
  }
  ~OpenContext() {
    host_.eventContexts().close(context_);
    if (drawRef_ != nullptr) host_.drawbot().detach(drawRef_);
  }
  OpenContext(const OpenContext&) = delete;
  OpenContext& operator=(const OpenContext&) = delete;

 private:
  Host& host_;
  PF_ContextH context_;
  DRAWBOT_DrawRef drawRef_ = nullptr;
};

}  // namespace

CallResult sendEvent(Host& host, EffectEvent& event, PF_ParamDef** params) {
  OpenContext open(host, &event.context_->pointer, event.canvas_.get());
  return host.send(PF_Cmd_EVENT, params, nullptr, &event.extra_);
}

}  // namespace ostra::hostsim
