#include "pipl_bytes.h"

#include <algorithm>

namespace ostra::hostsim::test {
namespace {

void append(Bytes& to, const Bytes& more) { to.insert(to.end(), more.begin(), more.end()); }

void padTo4(Bytes& bytes) {
  while (bytes.size() % 4 != 0) bytes.push_back(0);
}

Bytes twoU16(uint16_t first, uint16_t second) {
  Bytes out = u16le(first);
  append(out, u16le(second));
  return out;
}

}  // namespace

Bytes u16le(uint16_t value) {
  return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
}

Bytes u32le(uint32_t value) {
  return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
          static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
}

Bytes code(const std::string& fourChars) { return {fourChars.rbegin(), fourChars.rend()}; }

Bytes countedString(const std::string& text) {
  Bytes out(text.size() + 1);
  out[0] = static_cast<uint8_t>(text.size());
  std::copy(text.begin(), text.end(), out.begin() + 1);
  padTo4(out);
  return out;
}

Bytes terminatedString(const std::string& text) {
  Bytes out(text.begin(), text.end());
  out.push_back(0);
  padTo4(out);
  return out;
}

Bytes piplBlob(const std::vector<PiplRecord>& records) {
  Bytes out = u16le(1);
  append(out, u32le(0));
  append(out, u32le(static_cast<uint32_t>(records.size())));
  for (const PiplRecord& record : records) {
    append(out, code("8BIM"));
    append(out, code(record.key));
    append(out, u32le(0));
    append(out, u32le(static_cast<uint32_t>(record.data.size())));
    append(out, record.data);
    for (size_t pad = record.data.size(); pad % 4 != 0; ++pad) out.push_back(0);
  }
  return out;
}

std::vector<PiplRecord> fakeRecords(const std::string& entryPoint) {
  return {
      {"kind", code("eFKT")},
      {"name", countedString("Fake Effect")},
      {"catg", countedString("Tests")},
      {"8664", terminatedString(entryPoint)},
      {"ePVR", twoU16(2, 0)},
      {"eSVR", twoU16(13, 14)},
      {"eVER", u32le(0x00080001)},
      {"eINF", u16le(0)},
      {"eGLO", u32le(0x00008000)},
      {"eGL2", u32le(0x00000008)},
      {"aeFL", u32le(8)},
      {"eMNA", countedString("Fake_Effect")},
  };
}

}  // namespace ostra::hostsim::test
