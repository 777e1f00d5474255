// How the bevel passes are sized: jump-flood levels from Bevel End and Quality, reduced sizes.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "plugin/bevel/pass_levels.h"

using namespace Kestrix::Bevel;

namespace {

struct LevelsCase {
  double bevelEnd;
  int32_t quality;
  int32_t levels;
};

// The first step width 2^levels must reach ceil(ceil(bevelEnd) / scale) reduced pixels.
constexpr LevelsCase kLevelsCases[] = {
    {100, 0, 7},    // c = 100
    {100, 1, 6},    // c = 50
    {100, 2, 6},    // c = 34: the division rounds up
    {2.2, 0, 2},    // Bevel End rounds up to 3 before dividing
    {2.0, 0, 1},    // c = 2
    {0, 0, 1},      // no bevel still floods once at width 2, then 1
    {1024, 0, 10},  // 2^10 reaches exactly
    {1025, 0, 11},  // beyond 2^10
    {1e12, 2, 11},  // a very big Bevel End
    {std::numeric_limits<double>::infinity(), 0, 11},
    {std::numeric_limits<double>::quiet_NaN(), 0, 1},
};

TEST(HeightMapLevelsTest, LevelsReachTheBevelEndInReducedPixels) {
  for (const LevelsCase& c : kLevelsCases) {
    EXPECT_EQ(jumpFloodLevels(c.bevelEnd, qualityScaleFor(c.quality)), c.levels)
        << "bevelEnd " << c.bevelEnd << " quality " << c.quality;
  }
}

TEST(HeightMapLevelsTest, ReducedSizeRoundsEachSideUp) {
  struct Case {
    double width, height;
    int32_t quality;
    std::array<int32_t, 2> size;
  };
  const Case cases[] = {
      {1920, 1080, 0, {1920, 1080}}, {1920, 1080, 1, {960, 540}}, {1921, 1081, 1, {961, 541}},
      {1920, 1080, 2, {640, 360}},   {100, 7, 2, {34, 3}},        {1, 1, 2, {1, 1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(reducedSize(c.width, c.height, qualityScaleFor(c.quality)), c.size)
        << c.width << "x" << c.height << " quality " << c.quality;
  }
}

TEST(HeightMapLevelsTest, ScaleOutsideOneToFourIsLimited) {
  EXPECT_EQ(reducedSize(64, 64, 0), (std::array<int32_t, 2>{64, 64}));
  EXPECT_EQ(reducedSize(64, 64, 9), (std::array<int32_t, 2>{16, 16}));
  EXPECT_EQ(jumpFloodLevels(100, 0), 7);
}

}  // namespace
