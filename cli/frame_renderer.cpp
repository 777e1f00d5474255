#include "frame_renderer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace ostra::cli {

RgbaImage downsampled(const RgbaImage& image, int n) {
  if (n <= 1) return image;
  RgbaImage out;
  out.width = std::max(1, image.width / n);
  out.height = std::max(1, image.height / n);
  out.rgba.resize(static_cast<std::size_t>(out.width) * out.height * 4);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      // Averaged with alpha weighting, so that transparent pixels lend no colour.
      double sum[4] = {0, 0, 0, 0};
      int count = 0;
      for (int sy = y * n; sy < std::min(image.height, (y + 1) * n); ++sy) {
        for (int sx = x * n; sx < std::min(image.width, (x + 1) * n); ++sx) {
          const uint8_t* p = &image.rgba[(static_cast<std::size_t>(sy) * image.width + sx) * 4];
          const double a = p[3] / 255.0;
          for (int c = 0; c < 3; ++c) sum[c] += p[c] * a;
          sum[3] += p[3];
          ++count;
        }
      }
      uint8_t* q = &out.rgba[(static_cast<std::size_t>(y) * out.width + x) * 4];
      const double alpha = sum[3] / count;
      for (int c = 0; c < 3; ++c) {
        q[c] = alpha > 0 ? static_cast<uint8_t>(std::lround(
                               std::clamp(sum[c] / count / (alpha / 255.0), 0.0, 255.0)))
                         : 0;
      }
      q[3] = static_cast<uint8_t>(std::lround(alpha));
    }
  }
  return out;
}

hostsim::World toWorld(const RgbaImage& image) {
  hostsim::World world(image.width, image.height);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const uint8_t* p = &image.rgba[(static_cast<std::size_t>(y) * image.width + x) * 4];
      world.at(x, y) = {p[3], p[0], p[1], p[2]};
    }
  }
  return world;
}

RgbaImage fromWorld(const hostsim::World& world) {
  RgbaImage image;
  image.width = world.width();
  image.height = world.height();
  image.rgba.resize(static_cast<std::size_t>(image.width) * image.height * 4);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const PF_Pixel& p = world.at(x, y);
      uint8_t* q = &image.rgba[(static_cast<std::size_t>(y) * image.width + x) * 4];
      q[0] = p.red;
      q[1] = p.green;
      q[2] = p.blue;
      q[3] = p.alpha;
    }
  }
  return image;
}

FrameRenderer::FrameRenderer(const std::string& modulePath) : session_(modulePath) {}

void FrameRenderer::setDownsample(int denominator) {
  if (denominator < 1) throw std::invalid_argument("the downsample factor must be at least 1");
  downsample_ = denominator;
  host().setDownsample(static_cast<A_u_long>(denominator));
}

void FrameRenderer::setMapLayer(std::optional<RgbaImage> image) {
  mapLayerImage_ = std::move(image);
}

RgbaImage FrameRenderer::render(const RgbaImage& input, double seconds, double framesPerSecond) {
  hostsim::World inputWorld = toWorld(downsampled(input, downsample_));
  hostsim::World output(inputWorld.width(), inputWorld.height());
  params().setInputLayer(&inputWorld.def(), input.width, input.height);

  const int mapLayerIndex = params().indexOf("Map Layer");
  if (mapLayerIndex >= 0) {
    hostsim::ParamValue layer;
    if (mapLayerImage_) {
      mapLayer_ = toWorld(downsampled(*mapLayerImage_, downsample_));
      layer.layer = &mapLayer_.def();
    }
    params().setValue(mapLayerIndex, layer);
  }

  // Whole frames at the frame rate when there is one; otherwise milliseconds.
  PF_InData& in = host().inData();
  if (framesPerSecond > 0) {
    in.time_scale = static_cast<A_u_long>(std::lround(framesPerSecond * 1000));
    in.time_step = 1000;
    in.current_time = static_cast<A_long>(std::lround(seconds * framesPerSecond) * 1000);
  } else {
    in.time_scale = 1000;
    in.time_step = 1;
    in.current_time = static_cast<A_long>(std::lround(seconds * 1000));
  }
  in.width = inputWorld.width();
  in.height = inputWorld.height();

  hostsim::ParamArray array = host().paramArray();
  try {
    sendOrThrow(host(), PF_Cmd_RENDER, "Render", array.data(), &output.def());
  } catch (...) {
    params().setInputLayer(nullptr);  // the world goes with this call
    throw;
  }
  params().setInputLayer(nullptr);
  return fromWorld(output);
}

}  // namespace ostra::cli
