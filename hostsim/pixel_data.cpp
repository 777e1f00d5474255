#include "hostsim/pixel_data.h"

#include "hostsim/current_host.h"
#include "hostsim/host.h"

namespace ostra::hostsim {

PF_Err PixelDataService::serve(PF_EffectWorld* world, PF_PixelPtr pixels, PF_Pixel8** out) {
  std::lock_guard lock(mutex_);
  ++calls_;
  if (out != nullptr) *out = nullptr;
  if (world == nullptr || out == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
  if (untilFailure_ == 0) {
    untilFailure_ = -1;
    return failure_;
  }
  if (untilFailure_ > 0) --untilFailure_;
  *out = pixels != nullptr ? pixels : world->data;
  return PF_Err_NONE;
}

void PixelDataService::failAfter(int succeeding, PF_Err err) {
  std::lock_guard lock(mutex_);
  untilFailure_ = succeeding < 0 ? 0 : succeeding;
  failure_ = err;
}

int PixelDataService::calls() const {
  std::lock_guard lock(mutex_);
  return calls_;
}

PF_Err getPixelData8(PF_EffectWorld* world, PF_PixelPtr pixels, PF_Pixel8** out) {
  if (out != nullptr) *out = nullptr;
  return detail::withCurrentHost(PF_Err_INVALID_CALLBACK, [&](Host& host) {
    return host.pixelData().serve(world, pixels, out);
  });
}

}  // namespace ostra::hostsim
