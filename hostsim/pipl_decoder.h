// Reads a PiPL registration resource the way the host does, independently of how the plug-in
// writes it, so a fault in the writer shows up here instead of being mirrored.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace ostra::hostsim {

class PiplError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct PiplProperty {
  std::string vendor;  // the four bytes as they lie in memory: "MIB8" for '8BIM'
  std::string key;     // the four bytes as they lie in memory: "eman" for 'name'
  uint32_t id = 0;
  uint32_t length = 0;        // as stored; counts a string's padding
  std::vector<uint8_t> data;  // the `length` bytes; the zero padding after them is dropped

  // The codes read the natural way round ("8BIM", "name"): they are stored as little-endian
  // integers, so memory holds their characters reversed.
  std::string naturalVendor() const;
  std::string naturalKey() const;
};

// Throws PiplError on a bad header, a truncated record, missing or non-zero padding, or bytes
// left over after the last record.
std::vector<PiplProperty> decodePipl(std::span<const uint8_t> bytes);

}  // namespace ostra::hostsim
