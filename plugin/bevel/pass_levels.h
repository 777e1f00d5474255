// How the bevel passes are sized from the settings: the number of jump-flood levels and the
// reduced size the distance field, height map and side run at.
#pragma once

#include <array>
#include <cstdint>

namespace Kestrix::Bevel {

// Quality 0 High, 1 Medium, 2 Low divide each side by 1, 2, 3.
int32_t qualityScaleFor(int32_t quality);
// The scale the maps are built with: limited to 1 ... 4.
int32_t limitQualityScale(int32_t qualityScale);
// The smallest k in 1 ... 10 whose first step width 2^k reaches ceil(ceil(bevelEnd) / scale)
// reduced pixels; 11 beyond that.
int32_t jumpFloodLevels(double bevelEnd, int32_t qualityScale);
// (ceil(width / scale), ceil(height / scale)), each at least 1.
std::array<int32_t, 2> reducedSize(double width, double height, int32_t qualityScale);

}  // namespace Kestrix::Bevel
