#include "contact_sheet.h"

#include "cairo_holders.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "sample_art.h"

namespace ostra::cli {
namespace {

constexpr int kLabelHeight = 28;
constexpr int kGap = 8;

// Straight RGBA to a premultiplied Cairo surface.
CairoSurface toSurface(const RgbaImage& image) {
  CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height));
  cairo_surface_flush(surface.get());
  unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const uint8_t* p = &image.rgba[(static_cast<std::size_t>(y) * image.width + x) * 4];
      const uint32_t a = p[3];
      const auto pre = [a](uint32_t c) { return (c * a + 127) / 255; };
      const uint32_t pixel = a << 24 | pre(p[0]) << 16 | pre(p[1]) << 8 | pre(p[2]);
      std::memcpy(data + static_cast<std::size_t>(y) * stride + x * 4, &pixel, 4);
    }
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

}  // namespace

RgbaImage contactSheet(const std::vector<LabelledImage>& tiles, int columns) {
  if (tiles.empty() || columns < 1) throw std::invalid_argument("a contact sheet needs images");
  const int tileW = tiles[0].image.width;
  const int tileH = tiles[0].image.height;
  const int rows = (static_cast<int>(tiles.size()) + columns - 1) / columns;
  const int width = kGap + columns * (tileW + kGap);
  const int height = kGap + rows * (tileH + kLabelHeight + kGap);

  CairoSurface sheet(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  {
    CairoContext cr(cairo_create(sheet.get()));
    cairo_t* c = cr.get();
    cairo_set_source_rgb(c, 0.13, 0.13, 0.15);
    cairo_paint(c);
    cairo_select_font_face(c, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(c, 15);
    for (std::size_t i = 0; i < tiles.size(); ++i) {
      const int x = kGap + static_cast<int>(i % columns) * (tileW + kGap);
      const int y = kGap + static_cast<int>(i / columns) * (tileH + kLabelHeight + kGap);
      cairo_set_source_rgb(c, 0.2, 0.2, 0.23);
      cairo_rectangle(c, x, y, tileW, tileH);
      cairo_fill(c);
      auto tile = toSurface(tiles[i].image);
      cairo_set_source_surface(c, tile.get(), x, y);
      cairo_paint(c);
      cairo_set_source_rgb(c, 0.9, 0.9, 0.92);
      cairo_move_to(c, x + 4, y + tileH + 19);
      cairo_show_text(c, tiles[i].label.c_str());
    }
  }
  cairo_surface_flush(sheet.get());
  return fromCairoArgb(cairo_image_surface_get_data(sheet.get()), width, height,
                       cairo_image_surface_get_stride(sheet.get()));
}

}  // namespace ostra::cli
