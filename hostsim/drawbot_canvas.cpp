#include "hostsim/drawbot_canvas.h"

#include <cairo.h>

#include <stdexcept>

namespace ostra::hostsim {
namespace {

// Cairo keeps premultiplied ARGB in native-endian 32-bit words.
Rgba8 straight(std::uint32_t word) {
  const std::uint8_t a = static_cast<std::uint8_t>(word >> 24);
  if (a == 0) return {0, 0, 0, 0};
  const auto channel = [a](std::uint32_t c) {
    return static_cast<std::uint8_t>((c * 255 + a / 2) / a);
  };
  return {channel((word >> 16) & 0xff), channel((word >> 8) & 0xff), channel(word & 0xff), a};
}

}  // namespace

DrawbotCanvas::DrawbotCanvas(int width, int height, int scale)
    : width_(width), height_(height), scale_(scale) {
  constexpr int kLargest = 1 << 14;
  if (width < 1 || height < 1 || scale < 1 || width > kLargest / scale ||
      height > kLargest / scale) {
    throw std::invalid_argument("canvas size and scale must be at least 1, at most 16384 pixels");
  }
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixelWidth(), pixelHeight());
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface_);
    throw std::runtime_error("Cairo could not make the canvas image");
  }
  cr_ = cairo_create(surface_);
  cairo_scale(cr_, scale, scale);
}

DrawbotCanvas::~DrawbotCanvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

std::vector<std::uint8_t> DrawbotCanvas::rgba() const {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(pixelWidth()) * pixelHeight() * 4);
  for (int y = 0; y < pixelHeight(); ++y) {
    for (int x = 0; x < pixelWidth(); ++x) {
      const Rgba8 p = pixel(x, y);
      bytes.insert(bytes.end(), {p.r, p.g, p.b, p.a});
    }
  }
  return bytes;
}

Rgba8 DrawbotCanvas::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= pixelWidth() || y >= pixelHeight()) {
    throw std::out_of_range("pixel outside the canvas");
  }
  cairo_surface_flush(surface_);
  const unsigned char* row =
      cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
  return straight(reinterpret_cast<const std::uint32_t*>(row)[x]);
}

}  // namespace ostra::hostsim
