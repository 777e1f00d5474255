#include "bench/distance_transform.h"

#include <cmath>
#include <limits>

namespace ostra::cli {
namespace {

constexpr double kFar = std::numeric_limits<double>::infinity();

// The lower envelope of parabolas (Felzenszwalb and Huttenlocher): out[q] = min_p (q-p)² + f[p].
void squaredDistances1d(const double* f, int n, double* out, std::vector<int>& hulls,
                        std::vector<double>& bounds) {
  int k = -1;
  for (int q = 0; q < n; ++q) {
    if (f[q] == kFar) continue;
    while (k >= 0) {
      const int p = hulls[k];
      const double s = ((f[q] + q * double(q)) - (f[p] + p * double(p))) / (2.0 * (q - p));
      if (s > bounds[k]) {
        hulls[k + 1] = q;
        bounds[k + 1] = s;
        ++k;
        break;
      }
      --k;
    }
    if (k < 0) {
      k = 0;
      hulls[0] = q;
      bounds[0] = -kFar;
    }
  }
  if (k < 0) {
    for (int q = 0; q < n; ++q) out[q] = kFar;
    return;
  }
  int j = 0;
  for (int q = 0; q < n; ++q) {
    while (j < k && bounds[j + 1] < q) ++j;
    const double d = q - hulls[j];
    out[q] = d * d + f[hulls[j]];
  }
}

}  // namespace

std::vector<float> exactDistanceTransform(const std::vector<uint8_t>& inside, int width,
                                          int height) {
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  std::vector<double> grid(count);
  for (size_t i = 0; i < count; ++i) grid[i] = inside[i] ? kFar : 0.0;

  const int longest = width > height ? width : height;
  std::vector<double> line(static_cast<size_t>(longest)), result(static_cast<size_t>(longest));
  std::vector<int> hulls(static_cast<size_t>(longest) + 1);
  std::vector<double> bounds(static_cast<size_t>(longest) + 1);
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) line[y] = grid[static_cast<size_t>(y) * width + x];
    squaredDistances1d(line.data(), height, result.data(), hulls, bounds);
    for (int y = 0; y < height; ++y) grid[static_cast<size_t>(y) * width + x] = result[y];
  }
  for (int y = 0; y < height; ++y) {
    double* row = &grid[static_cast<size_t>(y) * width];
    squaredDistances1d(row, width, result.data(), hulls, bounds);
    for (int x = 0; x < width; ++x) row[x] = result[x];
  }

  std::vector<float> distances(count);
  for (size_t i = 0; i < count; ++i) distances[i] = static_cast<float>(std::sqrt(grid[i]));
  return distances;
}

}  // namespace ostra::cli
