// The image a draw event draws into: premultiplied ARGB pixels covering the window's panel, at
// a whole-number scale of pixels per panel unit. It starts fully transparent; what the effect
// draws is all there is on it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "hostsim/drawbot_text.h"
#include "sdk/drawbot.h"

namespace ostra::hostsim {

struct Rgba8 {
  std::uint8_t r, g, b, a;
  bool operator==(const Rgba8&) const = default;
};

// One step of a path in panel units: Move and Line take a point, Curve two control points and
// its end, Rect left, top, width and height.
struct PathOp {
  enum Type { Move, Line, Curve, Rect, Close } type;
  float v[6];
};

// The host's default font, as the build's rasteriser knows it.
class DrawbotFont;
// The font fontconfig picks for an empty pattern, the system's default sans; null when the
// system has no font at all.
std::shared_ptr<const DrawbotFont> loadDefaultFont();

class DrawbotRaster;

class DrawbotCanvas {
 public:
  // `width` × `height` panel units. Throws std::invalid_argument for a size or scale below 1
  // (or an image too large to make), std::runtime_error when the rasteriser cannot take it.
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

  // Fills `path` with a flat colour by the winding or even-odd rule.
  void fillPath(const std::vector<PathOp>& path, DRAWBOT_FillType rule,
                const DRAWBOT_ColorRGBA& color);
  // Lays out one line of `text` at the baseline `origin` and fills it in `color`. Outlines are
  // unhinted, so the text sits exactly at `origin` whatever the scale. With `truncation` set and a
  // positive `width`, text wider than `width` loses characters from its end until it fits with
  // an ellipsis (U+2026); both ellipsis styles cut at the end. When not even the ellipsis fits,
  // nothing is shown.
  TextLine fillText(const DrawbotFont& font, float size, const std::u32string& text,
                    const DRAWBOT_ColorRGBA& color, DRAWBOT_PointF32 origin,
                    DRAWBOT_TextAlignment alignment, DRAWBOT_TextTruncation truncation,
                    float width);

  // Whether drawing reaches the pixels. It does on Linux, through Cairo. The Windows build has
  // no Cairo: its canvas takes every call and stays transparent, and lays text out uncut and
  // without width.
  static bool rasterises();

 private:
  int width_;
  int height_;
  int scale_;
  std::vector<std::uint32_t> pixels_;  // native-endian words, as Cairo keeps them
  std::unique_ptr<DrawbotRaster> raster_;
};

}  // namespace ostra::hostsim
