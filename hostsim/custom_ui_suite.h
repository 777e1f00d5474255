// "PF Effect Custom UI Suite" v1: the drawing reference behind an event's context. The host
// opens a context for each event it sends and closes it afterwards; only a draw event's
// context has a drawing reference.
#pragma once

#include <map>
#include <mutex>

#include "sdk/ae_suites.h"

namespace ostra::hostsim {

// Safe to use from any thread.
class EventContexts {
 public:
  // `drawRef` null for events that draw nothing.
  void open(PF_ContextH context, DRAWBOT_DrawRef drawRef);
  void close(PF_ContextH context);

  // An unknown context, one without a drawing, or an armed failure: an error and a null
  // reference.
  PF_Err drawingReference(PF_ContextH context, DRAWBOT_DrawRef* drawRef);
  // The next drawingReference call fails with `err`.
  void failNextDrawingReference(PF_Err err);

 private:
  mutable std::mutex mutex_;
  std::map<PF_ContextH, DRAWBOT_DrawRef> open_;
  PF_Err nextFailure_ = PF_Err_NONE;
};

const PF_EffectCustomUISuite1& customUISuite();

}  // namespace ostra::hostsim
