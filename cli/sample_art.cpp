#include "sample_art.h"

#include "cairo_holders.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace ostra::cli {
namespace {

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

}  // namespace

RgbaImage fromCairoArgb(const unsigned char* data, int width, int height, int stride) {
  RgbaImage image;
  image.width = width;
  image.height = height;
  image.rgba.resize(static_cast<std::size_t>(width) * height * 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint32_t pixel = 0;
      std::memcpy(&pixel, data + static_cast<std::size_t>(y) * stride + x * 4, 4);
      const unsigned a = pixel >> 24;
      uint8_t* q = &image.rgba[(static_cast<std::size_t>(y) * width + x) * 4];
      for (int c = 0; c < 3; ++c) {
        const unsigned premultiplied = (pixel >> (16 - 8 * c)) & 0xFF;
        q[c] = a == 0 ? 0 : static_cast<uint8_t>(std::min(255u, (premultiplied * 255 + a / 2) / a));
      }
      q[3] = static_cast<uint8_t>(a);
    }
  }
  return image;
}

RgbaImage sampleArtwork(int width, int height) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("the artwork needs a size");
  CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot make the artwork's surface");
  }
  {
    CairoContext cr(cairo_create(surface.get()));
    cairo_t* c = cr.get();
    // Drawn on a 512 × 256 canvas, scaled to the size asked for.
    cairo_scale(c, width / 512.0, height / 256.0);
    cairo_set_source_rgb(c, 0.85, 0.55, 0.25);

    // The badge: a rounded square with a round hole, so the bevel shows inner edges too.
    cairo_set_fill_rule(c, CAIRO_FILL_RULE_EVEN_ODD);
    roundedRect(c, 28, 48, 160, 160, 40);
    cairo_new_sub_path(c);
    cairo_arc(c, 108, 128, 36, 0, 2 * M_PI);
    cairo_fill(c);

    // The word.
    cairo_select_font_face(c, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(c, 120);
    cairo_move_to(c, 212, 172);
    cairo_show_text(c, "Os");
  }
  cairo_surface_flush(surface.get());
  return fromCairoArgb(cairo_image_surface_get_data(surface.get()), width, height,
                       cairo_image_surface_get_stride(surface.get()));
}

}  // namespace ostra::cli
