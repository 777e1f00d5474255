#include "hostsim/pipl_decoder.h"

namespace ostra::hostsim {
namespace {

constexpr uint16_t kResourceWord = 1;
constexpr uint32_t kListVersion = 0;
constexpr size_t kHeaderSize = 2 + 4 + 4;
constexpr size_t kRecordHeaderSize = 4 * 4;

// Walks the blob front to back; every read checks the bytes are there first.
class Reader {
 public:
  explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t offset() const { return offset_; }
  size_t left() const { return bytes_.size() - offset_; }

  void need(size_t count, const std::string& what) const {
    if (left() < count) {
      throw PiplError("PiPL truncated: " + what + " needs " + std::to_string(count) +
                      " bytes at offset " + std::to_string(offset_) + ", " +
                      std::to_string(left()) + " left");
    }
  }
  uint16_t u16() {
    uint16_t value = static_cast<uint16_t>(bytes_[offset_] | bytes_[offset_ + 1] << 8);
    offset_ += 2;
    return value;
  }
  uint32_t u32() {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | bytes_[offset_ + static_cast<size_t>(i)];
    offset_ += 4;
    return value;
  }
  std::string chars4() {
    std::string text(reinterpret_cast<const char*>(bytes_.data() + offset_), 4);
    offset_ += 4;
    return text;
  }
  std::vector<uint8_t> take(size_t count) {
    std::vector<uint8_t> out(bytes_.begin() + static_cast<std::ptrdiff_t>(offset_),
                             bytes_.begin() + static_cast<std::ptrdiff_t>(offset_ + count));
    offset_ += count;
    return out;
  }

 private:
  std::span<const uint8_t> bytes_;
  size_t offset_ = 0;
};

}  // namespace

std::string PiplProperty::naturalVendor() const { return {vendor.rbegin(), vendor.rend()}; }
std::string PiplProperty::naturalKey() const { return {key.rbegin(), key.rend()}; }

std::vector<PiplProperty> decodePipl(std::span<const uint8_t> bytes) {
  Reader in(bytes);
  in.need(kHeaderSize, "header");
  if (uint16_t word = in.u16(); word != kResourceWord) {
    throw PiplError("PiPL resource word is " + std::to_string(word) + ", expected 1");
  }
  if (uint32_t version = in.u32(); version != kListVersion) {
    throw PiplError("PiPL list version is " + std::to_string(version) + ", expected 0");
  }
  const uint32_t count = in.u32();

  std::vector<PiplProperty> properties;
  for (uint32_t index = 0; index < count; ++index) {
    const std::string record = "property " + std::to_string(index);
    in.need(kRecordHeaderSize, record + " header");
    PiplProperty property;
    property.vendor = in.chars4();
    property.key = in.chars4();
    property.id = in.u32();
    property.length = in.u32();
    const std::string named = record + " '" + property.naturalKey() + "'";
    in.need(property.length, named + " data");
    property.data = in.take(property.length);

    const size_t padding = (4 - property.length % 4) % 4;
    in.need(padding, named + " padding to 4 bytes");
    for (uint8_t byte : in.take(padding)) {
      if (byte != 0) throw PiplError(named + " has non-zero padding");
    }
    properties.push_back(std::move(property));
  }
  if (in.left() != 0) {
    throw PiplError("PiPL has " + std::to_string(in.left()) + " bytes after its " +
                    std::to_string(count) + " properties");
  }
  return properties;
}

}  // namespace ostra::hostsim
