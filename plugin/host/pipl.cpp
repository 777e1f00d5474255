#include "plugin/host/pipl.h"

#include <cstring>
#include <string_view>

#include "plugin/host/effect_identity.h"

namespace Kestrix::Bevel {
namespace {

class PiplWriter {
 public:
  void u16(uint16_t v) {
    bytes_.push_back(static_cast<uint8_t>(v));
    bytes_.push_back(static_cast<uint8_t>(v >> 8));
  }
  void u32(uint32_t v) {
    u16(static_cast<uint16_t>(v));
    u16(static_cast<uint16_t>(v >> 16));
  }
  // A four-character code is stored as the little-endian integer whose high byte is the first
  // character, so "8BIM" reads "MIB8" in memory.
  void code(std::string_view fourChars) {
    uint32_t v = 0;
    for (char c : fourChars) v = (v << 8) | static_cast<uint8_t>(c);
    u32(v);
  }
  void raw(const std::vector<uint8_t>& data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
  }
  std::vector<uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

struct Property {
  std::string_view key;
  std::vector<uint8_t> data;
  bool paddedLength;  // strings count their padding in the length; numbers do not
};

std::vector<uint8_t> word32(uint32_t v) {
  PiplWriter w;
  w.u32(v);
  return w.take();
}

std::vector<uint8_t> twoWords16(uint16_t a, uint16_t b) {
  PiplWriter w;
  w.u16(a);
  w.u16(b);
  return w.take();
}

std::vector<uint8_t> codeData(std::string_view fourChars) {
  PiplWriter w;
  w.code(fourChars);
  return w.take();
}

std::vector<uint8_t> countedString(std::string_view text) {
  std::vector<uint8_t> data;
  data.reserve(text.size() + 1);
  data.push_back(static_cast<uint8_t>(text.size()));
  for (char c : text) data.push_back(static_cast<uint8_t>(c));
  return data;
}

std::vector<uint8_t> terminatedString(std::string_view text) {
  std::vector<uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  return data;
}

}  // namespace

std::vector<uint8_t> buildPipl() {
  const Property properties[] = {
      {"kind", codeData("eFKT"), false},
      {"name", countedString(kDisplayName), true},
      {"catg", countedString(kCategory), true},
      {"8664", terminatedString(kEntryPointName), true},
      {"ePVR", twoWords16(2, 0), false},
      {"eSVR", twoWords16(13, 14), false},
      {"eVER", word32(kVersionWord), false},
      {"eINF", {0, 0}, false},
      {"eGLO", word32(static_cast<uint32_t>(kGlobalOutFlags)), false},
      {"eGL2", word32(static_cast<uint32_t>(kGlobalOutFlags2)), false},
      {"aeFL", word32(8), false},
      {"eMNA", countedString(kMatchName), true},
  };

  PiplWriter w;
  w.u16(1);  // resource word
  w.u32(0);  // list version
  w.u32(static_cast<uint32_t>(std::size(properties)));
  for (const Property& p : properties) {
    std::vector<uint8_t> data = p.data;
    const size_t unpadded = data.size();
    while (p.paddedLength && data.size() % 4 != 0) data.push_back(0);
    w.code("8BIM");
    w.code(p.key);
    w.u32(0);  // property id
    w.u32(static_cast<uint32_t>(p.paddedLength ? data.size() : unpadded));
    // Every record's data ends on a multiple of 4 bytes, counted from the record's start.
    while (data.size() % 4 != 0) data.push_back(0);
    w.raw(data);
  }
  return w.take();
}

}  // namespace Kestrix::Bevel
