// Text for the Drawbot host: the default font from fontconfig, and one line laid out at a
// baseline origin, cut with an ellipsis to a width.
#pragma once

#include <string>

#include "sdk/drawbot.h"

struct _cairo;
struct _cairo_font_face;

namespace ostra::hostsim {

// The longest text DrawString reads, in UTF-16 units, when no terminator comes sooner.
inline constexpr int kLongestDrawString = 1 << 16;

// UTF-16 up to its terminator (at most kLongestDrawString units) as UTF-8; unpaired surrogates
// become U+FFFD.
std::u32string decodeUtf16(const DRAWBOT_UTF16Char* text);
std::string toUtf8(const std::u32string& text);

// The face fontconfig picks for an empty pattern: the system's default sans. Null when
// fontconfig has no font at all. The caller owns the reference.
_cairo_font_face* loadDefaultFontFace();

struct TextLine {
  std::string shown;  // UTF-8, the ellipsis included when cut
  bool truncated = false;
  double advance = 0;  // width of what was shown, in panel units
  double x = 0;        // where the shown text starts after alignment
};

// Lays out and fills `text` with the current source colour. Outlines are unhinted, so the text
// sits exactly at `origin` whatever the canvas scale. With `truncation` set and a positive
// `width`, text wider than `width` loses characters from its end until it fits with an
// ellipsis (U+2026); both ellipsis styles cut at the end. When not even the ellipsis fits,
// nothing is shown.
TextLine fillTextLine(_cairo* cr, _cairo_font_face* face, float size, const std::u32string& text,
                      DRAWBOT_PointF32 origin, DRAWBOT_TextAlignment alignment,
                      DRAWBOT_TextTruncation truncation, float width);

}  // namespace ostra::hostsim
