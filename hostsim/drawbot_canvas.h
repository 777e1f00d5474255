// The image a draw event draws into: a Cairo image surface covering the window's panel, at a
// whole-number scale of pixels per panel unit. It starts fully transparent; what the effect
// draws is all there is on it.
#pragma once

#include <cstdint>
#include <vector>

struct _cairo;
struct _cairo_surface;

namespace ostra::hostsim {

struct Rgba8 {
  std::uint8_t r, g, b, a;
  bool operator==(const Rgba8&) const = default;
};

class DrawbotCanvas {
 public:
  // `width` × `height` panel units. Throws std::invalid_argument for a size or scale below 1
  // (or an image too large to make), std::runtime_error when Cairo cannot make it.
  DrawbotCanvas(int width, int height, int scale = 1);
  ~DrawbotCanvas();
  DrawbotCanvas(const DrawbotCanvas&) = delete;
  DrawbotCanvas& operator=(const DrawbotCanvas&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  int scale() const { return scale_; }
  int pixelWidth() const { return width_ * scale_; }
  int pixelHeight() const { return height_ * scale_; }

  // Straight (not premultiplied) RGBA, rows from the top, pixelWidth × pixelHeight × 4 bytes.
  std::vector<std::uint8_t> rgba() const;
  // One pixel by pixel coordinates; throws std::out_of_range outside the image.
  Rgba8 pixel(int x, int y) const;

  // Drawing state in panel units, for the Drawbot host only.
  _cairo* cairo() const { return cr_; }

 private:
  int width_;
  int height_;
  int scale_;
  _cairo_surface* surface_ = nullptr;
  _cairo* cr_ = nullptr;
};

}  // namespace ostra::hostsim
