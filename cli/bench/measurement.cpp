#include "bench/measurement.h"

#include <algorithm>
#include <numeric>

namespace ostra::cli {

const std::vector<Look>& benchLooks() {
  static const std::vector<Look> looks = {
      {"defaults", {}},
      {"bevel end 30", {"Bevel End=30"}},
      {"smooth 20", {"Smooth=20"}},
      {"extrude 20", {"Extrude=20"}},
      {"golden", {"Map Type=Golden"}},
      {"rainbow", {"Map Type=Rainbow"}},
      {"quality medium", {"Quality=Medium"}},
      {"quality low", {"Quality=Low"}},
  };
  return looks;
}

double Measurement::medianMs() const {
  if (frameMs.empty()) return 0;
  std::vector<double> sorted = frameMs;
  std::sort(sorted.begin(), sorted.end());
  const size_t n = sorted.size();
  return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

double Measurement::minMs() const {
  return frameMs.empty() ? 0 : *std::min_element(frameMs.begin(), frameMs.end());
}

double Measurement::maxMs() const {
  return frameMs.empty() ? 0 : *std::max_element(frameMs.begin(), frameMs.end());
}

double Measurement::passSumMs() const {
  return std::accumulate(passes.finishedMs.begin(), passes.finishedMs.end(), 0.0);
}

double Measurement::querySumMs() const {
  return std::accumulate(passes.queryMs.begin(), passes.queryMs.end(), 0.0);
}

}  // namespace ostra::cli
