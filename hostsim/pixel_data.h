// The utils callback get_pixel_data8: the host's answer to "where are this world's pixels",
// with a failure a test can arrange.
#pragma once

#include <mutex>

#include "sdk/ae_effect.h"

namespace ostra::hostsim {

// Safe to use from any thread: renders may come from several.
class PixelDataService {
 public:
  // A null world or out pointer gives PF_Err_BAD_CALLBACK_PARAM. Otherwise *out is `pixels`
  // when given (a pointer into the world, handed back typed) or else the world's data.
  PF_Err serve(PF_EffectWorld* world, PF_PixelPtr pixels, PF_Pixel8** out);

  // After `succeeding` more calls that would succeed, the next one returns `err` with *out null;
  // the calls after it succeed again.
  void failAfter(int succeeding, PF_Err err);
  // Calls served so far, failed ones included.
  int calls() const;

 private:
  mutable std::mutex mutex_;
  int calls_ = 0;
  int untilFailure_ = -1;  // none armed
  PF_Err failure_ = PF_Err_NONE;
};

// The function placed in PF_UtilCallbacks: serves through the current Host's service, or
// returns PF_Err_INVALID_CALLBACK once no Host lives.
PF_Err getPixelData8(PF_EffectWorld* world, PF_PixelPtr pixels, PF_Pixel8** out);

}  // namespace ostra::hostsim
