#include "hostsim/effect_listing.h"

namespace ostra::hostsim {
namespace {

const PiplProperty* find(const std::vector<PiplProperty>& properties, const std::string& key) {
  for (const PiplProperty& property : properties) {
    if (property.naturalKey() == key) return &property;
  }
  return nullptr;
}

const PiplProperty& require(const std::vector<PiplProperty>& properties, const std::string& key) {
  const PiplProperty* property = find(properties, key);
  if (property == nullptr) throw PiplError("PiPL has no '" + key + "' property");
  return *property;
}

void expectSize(const PiplProperty& property, size_t size) {
  if (property.data.size() != size) {
    throw PiplError("PiPL property '" + property.naturalKey() + "' holds " +
                    std::to_string(property.data.size()) + " bytes, expected " +
                    std::to_string(size));
  }
}

uint32_t u32At(const std::vector<uint8_t>& data, size_t at) {
  return static_cast<uint32_t>(data[at]) | static_cast<uint32_t>(data[at + 1]) << 8 |
         static_cast<uint32_t>(data[at + 2]) << 16 | static_cast<uint32_t>(data[at + 3]) << 24;
}

int u16At(const std::vector<uint8_t>& data, size_t at) { return data[at] | data[at + 1] << 8; }

std::string fourCharCode(const PiplProperty& property) {
  expectSize(property, 4);
  return {property.data.rbegin(), property.data.rend()};
}

// One length byte, then the characters; the rest of the data is padding.
std::string countedString(const PiplProperty& property) {
  const std::vector<uint8_t>& data = property.data;
  if (data.empty() || size_t{data[0]} + 1 > data.size()) {
    throw PiplError("PiPL property '" + property.naturalKey() +
                    "': counted string runs past its data");
  }
  return {data.begin() + 1, data.begin() + 1 + data[0]};
}

std::string terminatedString(const PiplProperty& property) {
  const std::vector<uint8_t>& data = property.data;
  for (size_t end = 0; end < data.size(); ++end) {
    if (data[end] == 0) return {data.begin(), data.begin() + static_cast<std::ptrdiff_t>(end)};
  }
  throw PiplError("PiPL property '" + property.naturalKey() + "': string is not NUL-terminated");
}

uint32_t word32(const PiplProperty* property) {
  if (property == nullptr) return 0;
  expectSize(*property, 4);
  return u32At(property->data, 0);
}

VersionPair versionPair(const PiplProperty* property) {
  if (property == nullptr) return {};
  expectSize(*property, 4);
  return {u16At(property->data, 0), u16At(property->data, 2)};
}

std::string optionalCountedString(const PiplProperty* property) {
  return property == nullptr ? std::string() : countedString(*property);
}

}  // namespace

EffectListing listingFromPipl(const std::vector<PiplProperty>& properties) {
  EffectListing listing;
  listing.kind = fourCharCode(require(properties, "kind"));
  listing.name = countedString(require(properties, "name"));
  listing.entryPoint = terminatedString(require(properties, "8664"));
  listing.category = optionalCountedString(find(properties, "catg"));
  listing.matchName = optionalCountedString(find(properties, "eMNA"));
  listing.piplVersion = versionPair(find(properties, "ePVR"));
  listing.specVersion = versionPair(find(properties, "eSVR"));
  listing.version = word32(find(properties, "eVER"));
  listing.globalFlags = word32(find(properties, "eGLO"));
  listing.flags2 = word32(find(properties, "eGL2"));
  listing.aeFlags = word32(find(properties, "aeFL"));
  return listing;
}

VersionWord decodeVersionWord(uint32_t word) {
  return {(word >> 19) & 0xF, (word >> 15) & 0xF, (word >> 11) & 0xF, (word >> 9) & 0x3,
          word & 0x1FF};
}

std::string formatVersionWord(uint32_t word) {
  const VersionWord v = decodeVersionWord(word);
  std::string text = std::to_string(v.major) + "." + std::to_string(v.minor);
  if (v.bug != 0) text += "." + std::to_string(v.bug);
  return text + " (build " + std::to_string(v.build) + ")";
}

}  // namespace ostra::hostsim
