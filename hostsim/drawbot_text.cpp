#include "hostsim/drawbot_text.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

namespace ostra::hostsim {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kEllipsis = 0x2026;

double advanceOf(cairo_t* cr, const std::string& utf8) {
  cairo_text_extents_t extents{};
  cairo_text_extents(cr, utf8.c_str(), &extents);
  return extents.x_advance;
}

}  // namespace

std::u32string decodeUtf16(const DRAWBOT_UTF16Char* text) {
  std::u32string decoded;
  if (text == nullptr) return decoded;
  for (int i = 0; i < kLongestDrawString && text[i] != 0; ++i) {
    const char32_t unit = text[i];
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (high && i + 1 < kLongestDrawString && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      decoded += 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else {
      decoded += high || low ? kReplacement : unit;
    }
  }
  return decoded;
}

std::string toUtf8(const std::u32string& text) {
  std::string utf8;
  for (char32_t c : text) {
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      utf8 += static_cast<char>(0xE0 | (c >> 12));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      utf8 += static_cast<char>(0xF0 | (c >> 18));
      utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

cairo_font_face_t* loadDefaultFontFace() {
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
  return face;
}

TextLine fillTextLine(cairo_t* cr, cairo_font_face_t* face, float size, const std::u32string& text,
                      DRAWBOT_PointF32 origin, DRAWBOT_TextAlignment alignment,
                      DRAWBOT_TextTruncation truncation, float width) {
  cairo_save(cr);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
  cairo_set_font_face(cr, face);
  cairo_set_font_size(cr, size);

  TextLine line;
  line.shown = toUtf8(text);
  line.advance = advanceOf(cr, line.shown);
  if (truncation != kDRAWBOT_TextTruncation_None && width > 0 && line.advance > width) {
    line.truncated = true;
    line.shown.clear();
    line.advance = 0;
    // The widest prefix that fits with the ellipsis; widths grow with the prefix.
    const auto withEllipsis = [&](std::size_t kept) {
      return toUtf8(text.substr(0, kept) + kEllipsis);
    };
    std::size_t low = 0, high = text.size();
    if (advanceOf(cr, withEllipsis(0)) <= width) {
      while (low < high) {
        const std::size_t mid = (low + high + 1) / 2;
        if (advanceOf(cr, withEllipsis(mid)) <= width) {
          low = mid;
        } else {
          high = mid - 1;
        }
      }
      line.shown = withEllipsis(low);
      line.advance = advanceOf(cr, line.shown);
    }
  }

  line.x = origin.x;
  if (alignment == kDRAWBOT_TextAlignment_Center) line.x -= line.advance / 2;
  if (alignment == kDRAWBOT_TextAlignment_Right) line.x -= line.advance;
  if (!line.shown.empty()) {
    cairo_new_path(cr);
    cairo_move_to(cr, line.x, origin.y);
    cairo_text_path(cr, line.shown.c_str());
    cairo_fill(cr);
  }
  cairo_restore(cr);
  return line;
}

}  // namespace ostra::hostsim
