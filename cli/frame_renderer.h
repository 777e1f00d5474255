// Renders images through the module's Render command, the way a host renders a layer: the
// input at the host's downsampled size, the parameters at a given time, an optional Map Layer.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "effect_session.h"
#include "hostsim/world.h"
#include "png_io.h"

namespace ostra::cli {

class FrameRenderer {
 public:
  // Loads the module and sets it up; throws std::runtime_error.
  explicit FrameRenderer(const std::string& modulePath);

  hostsim::ParamStore& params() { return session_.host().params(); }
  hostsim::Host& host() { return session_.host(); }

  // The host's downsample denominator: layers are delivered at 1/N of their size.
  void setDownsample(int denominator);
  // The Map Layer's pixels, or none.
  void setMapLayer(std::optional<RgbaImage> image);

  // The effect's output for `input` at `seconds`, at the delivered (downsampled) size.
  RgbaImage render(const RgbaImage& input, double seconds = 0, double framesPerSecond = 0);

 private:
  EffectSession session_;
  int downsample_ = 1;
  std::optional<RgbaImage> mapLayerImage_;
  hostsim::World mapLayer_;
};

// A box-filtered reduction to 1/N of each side (at least 1 pixel), as a host's preview makes.
RgbaImage downsampled(const RgbaImage& image, int denominator);
// Straight-alpha RGBA to the host's ARGB world and back.
hostsim::World toWorld(const RgbaImage& image);
RgbaImage fromWorld(const hostsim::World& world);

}  // namespace ostra::cli
