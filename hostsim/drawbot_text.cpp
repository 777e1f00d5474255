#include "hostsim/drawbot_text.h"

namespace ostra::hostsim {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

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

}  // namespace ostra::hostsim
