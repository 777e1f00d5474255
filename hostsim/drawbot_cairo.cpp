// The Linux rasteriser: Cairo over the canvas's pixels, text in fontconfig's default face.
#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <stdexcept>

#include "hostsim/drawbot_raster.h"

namespace ostra::hostsim {

class DrawbotFont {
 public:
  explicit DrawbotFont(cairo_font_face_t* face) : face_(face) {}
  ~DrawbotFont() { cairo_font_face_destroy(face_); }
  DrawbotFont(const DrawbotFont&) = delete;
  DrawbotFont& operator=(const DrawbotFont&) = delete;
  cairo_font_face_t* face() const { return face_; }

 private:
  cairo_font_face_t* face_;
};

namespace {

constexpr char32_t kEllipsis = 0x2026;

double advanceOf(cairo_t* cr, const std::string& utf8) {
  cairo_text_extents_t extents{};
  cairo_text_extents(cr, utf8.c_str(), &extents);
  return extents.x_advance;
}

class CairoRaster final : public DrawbotRaster {
 public:
  CairoRaster(std::uint32_t* pixels, int width, int height, int scale) {
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width);
    if (stride != width * 4) throw std::runtime_error("Cairo wants padded rows for the canvas");
    surface_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels),
                                                   CAIRO_FORMAT_ARGB32, width, height, stride);
    cr_ = cairo_create(surface_);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
      cairo_destroy(cr_);
      cairo_surface_destroy(surface_);
      throw std::runtime_error("Cairo could not draw on the canvas image");
    }
    cairo_scale(cr_, scale, scale);
  }
  ~CairoRaster() override {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
  }
  CairoRaster(const CairoRaster&) = delete;
  CairoRaster& operator=(const CairoRaster&) = delete;

  void fillPath(const std::vector<PathOp>& path, DRAWBOT_FillType rule,
                const DRAWBOT_ColorRGBA& color) override {
    cairo_save(cr_);
    cairo_new_path(cr_);
    for (const PathOp& op : path) {
      const float* v = op.v;
      switch (op.type) {
        case PathOp::Move:
          cairo_move_to(cr_, v[0], v[1]);
          break;
        case PathOp::Line:
          cairo_line_to(cr_, v[0], v[1]);
          break;
        case PathOp::Curve:
          cairo_curve_to(cr_, v[0], v[1], v[2], v[3], v[4], v[5]);
          break;
        case PathOp::Rect:
          cairo_rectangle(cr_, v[0], v[1], v[2], v[3]);
          break;
        case PathOp::Close:
          cairo_close_path(cr_);
          break;
      }
    }
    cairo_set_fill_rule(cr_, rule == kDRAWBOT_FillType_Winding ? CAIRO_FILL_RULE_WINDING
                                                               : CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_source_rgba(cr_, color.red, color.green, color.blue, color.alpha);
    cairo_fill(cr_);
    cairo_restore(cr_);
    cairo_surface_flush(surface_);
  }

  TextLine fillText(const DrawbotFont& font, float size, const std::u32string& text,
                    const DRAWBOT_ColorRGBA& color, DRAWBOT_PointF32 origin,
                    DRAWBOT_TextAlignment alignment, DRAWBOT_TextTruncation truncation,
                    float width) override {
    cairo_save(cr_);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
    cairo_set_font_face(cr_, font.face());
    cairo_set_font_size(cr_, size);
    cairo_set_source_rgba(cr_, color.red, color.green, color.blue, color.alpha);

    TextLine line;
    line.shown = toUtf8(text);
    line.advance = advanceOf(cr_, line.shown);
    if (truncation != kDRAWBOT_TextTruncation_None && width > 0 && line.advance > width) {
      line.truncated = true;
      line.shown.clear();
      line.advance = 0;
      // The widest prefix that fits with the ellipsis; widths grow with the prefix.
      const auto withEllipsis = [&](std::size_t kept) {
        return toUtf8(text.substr(0, kept) + kEllipsis);
      };
      std::size_t low = 0, high = text.size();
      if (advanceOf(cr_, withEllipsis(0)) <= width) {
        while (low < high) {
          const std::size_t mid = (low + high + 1) / 2;
          if (advanceOf(cr_, withEllipsis(mid)) <= width) {
            low = mid;
          } else {
            high = mid - 1;
          }
        }
        line.shown = withEllipsis(low);
        line.advance = advanceOf(cr_, line.shown);
      }
    }

    line.x = origin.x;
    if (alignment == kDRAWBOT_TextAlignment_Center) line.x -= line.advance / 2;
    if (alignment == kDRAWBOT_TextAlignment_Right) line.x -= line.advance;
    if (!line.shown.empty()) {
      cairo_new_path(cr_);
      cairo_move_to(cr_, line.x, origin.y);
      cairo_text_path(cr_, line.shown.c_str());
      cairo_fill(cr_);
    }
    cairo_restore(cr_);
    cairo_surface_flush(surface_);
    return line;
  }

 private:
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
};

}  // namespace

std::unique_ptr<DrawbotRaster> makeDrawbotRaster(std::uint32_t* pixels, int width, int height,
                                                 int scale) {
  return std::make_unique<CairoRaster>(pixels, width, height, scale);
}

bool DrawbotCanvas::rasterises() { return true; }

std::shared_ptr<const DrawbotFont> loadDefaultFont() {
  FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(""));
  if (wanted == nullptr) return nullptr;
  FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
  FcDefaultSubstitute(wanted);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, wanted, &result);
  FcPatternDestroy(wanted);
  if (match == nullptr) return nullptr;
  // The face keeps its own reference to the pattern.
  cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match);
  FcPatternDestroy(match);
  if (cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS) {
    cairo_font_face_destroy(face);
    return nullptr;
  }
  return std::make_shared<const DrawbotFont>(face);
}

}  // namespace ostra::hostsim
