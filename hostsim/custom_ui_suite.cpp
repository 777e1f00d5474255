#include "hostsim/custom_ui_suite.h"

#include "hostsim/current_host.h"
#include "hostsim/host.h"

namespace ostra::hostsim {

void EventContexts::open(PF_ContextH context, DRAWBOT_DrawRef drawRef) {
  std::lock_guard lock(mutex_);
  open_[context] = drawRef;
}

void EventContexts::close(PF_ContextH context) {
  std::lock_guard lock(mutex_);
  open_.erase(context);
}

PF_Err EventContexts::drawingReference(PF_ContextH context, DRAWBOT_DrawRef* drawRef) {
  std::lock_guard lock(mutex_);
  if (drawRef == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
  *drawRef = nullptr;
  if (nextFailure_ != PF_Err_NONE) {
    const PF_Err err = nextFailure_;
    nextFailure_ = PF_Err_NONE;
    return err;
  }
  const auto found = open_.find(context);
  if (found == open_.end() || found->second == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
  *drawRef = found->second;
  return PF_Err_NONE;
}

void EventContexts::failNextDrawingReference(PF_Err err) {
  std::lock_guard lock(mutex_);
  nextFailure_ = err;
}

namespace {

PF_Err getDrawingReference(const PF_ContextH context, DRAWBOT_DrawRef* drawRef) {
  if (drawRef != nullptr) *drawRef = nullptr;
  return detail::withCurrentHost(PF_Err_INVALID_CALLBACK, [&](Host& host) {
    return host.eventContexts().drawingReference(context, drawRef);
  });
}

constexpr PF_EffectCustomUISuite1 kCustomUISuite{getDrawingReference};

}  // namespace

const PF_EffectCustomUISuite1& customUISuite() { return kCustomUISuite; }

}  // namespace ostra::hostsim
