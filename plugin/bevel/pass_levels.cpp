#include "plugin/bevel/pass_levels.h"

#include <algorithm>
#include <cmath>

namespace Kestrix::Bevel {
namespace {

// Keeps a double inside what an int32 holds before it is truncated; NaN becomes `low`.
int32_t toInt(double value, double low, double high) {
  if (!(value >= low)) return static_cast<int32_t>(low);
  return static_cast<int32_t>(std::min(value, high));
}

}  // namespace

int32_t qualityScaleFor(int32_t quality) { return quality + 1; }

int32_t limitQualityScale(int32_t qualityScale) { return std::clamp(qualityScale, 1, 4); }

int32_t jumpFloodLevels(double bevelEnd, int32_t qualityScale) {
  const int32_t scale = limitQualityScale(qualityScale);
  // Far beyond 2^10 the answer is 11 anyway; the cap only keeps the conversion defined.
  const int32_t t = toInt(std::ceil(bevelEnd), 0.0, 1e9);
  const int32_t c = (t + scale - 1) / scale;
  for (int32_t k = 1; k <= 10; ++k) {
    if ((int32_t{1} << k) >= c) return k;
  }
  return 11;
}

std::array<int32_t, 2> reducedSize(double width, double height, int32_t qualityScale) {
  const double scale = limitQualityScale(qualityScale);
  constexpr double kLargest = 1 << 24;
  return {toInt(std::ceil(width / scale), 1.0, kLargest),
          toInt(std::ceil(height / scale), 1.0, kLargest)};
}

}  // namespace Kestrix::Bevel
