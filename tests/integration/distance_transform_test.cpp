// The benchmark's CPU reference must be exact, or its figure is the cost of something else:
// against a brute-force nearest-outside-pixel search on small masks.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "bench/distance_transform.h"

namespace {

std::vector<float> bruteForce(const std::vector<uint8_t>& inside, int width, int height) {
  std::vector<float> out(inside.size(), 0.0f);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (!inside[y * width + x]) continue;
      double best = std::numeric_limits<double>::infinity();
      for (int v = 0; v < height; ++v) {
        for (int u = 0; u < width; ++u) {
          if (!inside[v * width + u]) best = std::min(best, std::hypot(u - x, v - y));
        }
      }
      out[y * width + x] = static_cast<float>(best);
    }
  }
  return out;
}

TEST(DistanceTransformTest, MatchesBruteForceOnRandomAndShapedMasks) {
  std::mt19937 random(7);
  struct Mask {
    int width, height;
    double insideShare;
  };
  for (const Mask& m :
       {Mask{37, 23, 0.5}, Mask{64, 1, 0.8}, Mask{1, 40, 0.9}, Mask{48, 48, 0.97}}) {
    std::bernoulli_distribution isInside(m.insideShare);
    std::vector<uint8_t> inside(static_cast<size_t>(m.width) * m.height);
    for (auto& flag : inside) flag = isInside(random);
    inside[0] = 0;  // at least one pixel outside
    const std::vector<float> expected = bruteForce(inside, m.width, m.height);
    const std::vector<float> actual = ostra::cli::exactDistanceTransform(inside, m.width, m.height);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
      ASSERT_NEAR(actual[i], expected[i], 1e-4) << m.width << "x" << m.height << " pixel " << i;
    }
  }
}

TEST(DistanceTransformTest, AMaskWithNothingOutsideIsInfinitelyFar) {
  const std::vector<float> d = ostra::cli::exactDistanceTransform({1, 1, 1, 1, 1, 1}, 3, 2);
  for (float value : d) EXPECT_TRUE(std::isinf(value));
}

}  // namespace
