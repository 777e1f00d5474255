// Text for the Drawbot host: the UTF-16 an effect passes, read as characters, and how one line
// came out once laid out.
#pragma once

#include <string>

#include "sdk/drawbot.h"

namespace ostra::hostsim {

// The longest text DrawString reads, in UTF-16 units, when no terminator comes sooner.
inline constexpr int kLongestDrawString = 1 << 16;

// UTF-16 up to its terminator (at most kLongestDrawString units) as UTF-8; unpaired surrogates
// become U+FFFD.
std::u32string decodeUtf16(const DRAWBOT_UTF16Char* text);
std::string toUtf8(const std::u32string& text);

struct TextLine {
  std::string shown;  // UTF-8, the ellipsis included when cut
  bool truncated = false;
  double advance = 0;  // width of what was shown, in panel units
  double x = 0;        // where the shown text starts after alignment
};

}  // namespace ostra::hostsim
