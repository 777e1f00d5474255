#include "hostsim/drawbot_canvas.h"

#include <stdexcept>

#include "hostsim/drawbot_raster.h"

namespace ostra::hostsim {
namespace {

constexpr int kLargest = 1 << 14;

Rgba8 straight(std::uint32_t word) {
  const std::uint8_t a = static_cast<std::uint8_t>(word >> 24);
  if (a == 0) return {0, 0, 0, 0};
  const auto channel = [a](std::uint32_t c) {
    return static_cast<std::uint8_t>((c * 255 + a / 2) / a);
  };
  return {channel((word >> 16) & 0xff), channel((word >> 8) & 0xff), channel(word & 0xff), a};
}

int checkedSize(int width, int height, int scale) {
  if (width < 1 || height < 1 || scale < 1 || width > kLargest / scale ||
      height > kLargest / scale) {
    throw std::invalid_argument("canvas size and scale must be at least 1, at most 16384 pixels");
  }
  return width * scale * height * scale;
}

}  // namespace

DrawbotCanvas::DrawbotCanvas(int width, int height, int scale)
    : width_(width),
      height_(height),
      scale_(scale),
      pixels_(checkedSize(width, height, scale), 0),
      raster_(makeDrawbotRaster(pixels_.data(), pixelWidth(), pixelHeight(), scale)) {}

DrawbotCanvas::~DrawbotCanvas() = default;

std::vector<std::uint8_t> DrawbotCanvas::rgba() const {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(pixels_.size() * 4);
  for (std::uint32_t word : pixels_) {
    const Rgba8 p = straight(word);
    bytes.insert(bytes.end(), {p.r, p.g, p.b, p.a});
  }
  return bytes;
}

Rgba8 DrawbotCanvas::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= pixelWidth() || y >= pixelHeight()) {
    throw std::out_of_range("pixel outside the canvas");
  }
  return straight(pixels_[static_cast<std::size_t>(y) * pixelWidth() + x]);
}

void DrawbotCanvas::fillPath(const std::vector<PathOp>& path, DRAWBOT_FillType rule,
                             const DRAWBOT_ColorRGBA& color) {
  raster_->fillPath(path, rule, color);
}

TextLine DrawbotCanvas::fillText(const DrawbotFont& font, float size, const std::u32string& text,
                                 const DRAWBOT_ColorRGBA& color, DRAWBOT_PointF32 origin,
                                 DRAWBOT_TextAlignment alignment, DRAWBOT_TextTruncation truncation,
                                 float width) {
  return raster_->fillText(font, size, text, color, origin, alignment, truncation, width);
}

}  // namespace ostra::hostsim
