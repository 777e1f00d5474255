// What the host learns about an effect from its PiPL before calling it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hostsim/pipl_decoder.h"

namespace ostra::hostsim {

struct VersionPair {
  int major = 0;
  int minor = 0;
};

struct EffectListing {
  std::string kind;  // natural reading, "eFKT" for an effect
  std::string name;
  std::string category;
  std::string matchName;
  std::string entryPoint;  // the 64-bit Windows export named by the "8664" property
  VersionPair piplVersion;
  VersionPair specVersion;
  uint32_t version = 0;  // the packed version word, see decodeVersionWord
  uint32_t globalFlags = 0;
  uint32_t flags2 = 0;
  uint32_t aeFlags = 0;
};

// Throws PiplError when "kind", "name" or "8664" is missing, or when a property's data does not
// fit its form (a counted string longer than its data, a 32-bit value of another size, ...).
// Properties not listed above are ignored; missing optional ones stay zero or empty.
EffectListing listingFromPipl(const std::vector<PiplProperty>& properties);

// The fields of a packed version word, unpacked as the host shows them.
struct VersionWord {
  unsigned major = 0;
  unsigned minor = 0;
  unsigned bug = 0;
  unsigned stage = 0;
  unsigned build = 0;
};
VersionWord decodeVersionWord(uint32_t word);
// "1.0 (build 1)" for 0x80001; a non-zero bug number shows as a third part, "1.0.2 (build 1)".
std::string formatVersionWord(uint32_t word);

}  // namespace ostra::hostsim
