// The registration resource the host reads to list the effect. One generator serves both the
// Windows resource and the Linux file beside the module.
#pragma once

#include <cstdint>
#include <vector>

namespace Kestrix::Bevel {

inline constexpr int kPiplResourceId = 16000;
inline constexpr int kPiplLanguage = 1033;

std::vector<uint8_t> buildPipl();

}  // namespace Kestrix::Bevel
