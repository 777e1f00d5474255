// The surface program's text for each map type.
#pragma once

#include <cstdint>
#include <string>

namespace Kestrix::Bevel {

// The main surface text followed by the colour map of `mapType` (0 Color, 1 Custom Layer,
// 2 Golden, 3 Cyber Punk, 4 Rainbow); any other type gets Color's.
std::string surfaceFragmentText(int32_t mapType);
const char* surfaceVertexText();

}  // namespace Kestrix::Bevel
