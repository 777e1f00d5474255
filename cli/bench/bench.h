// `quellon bench`: what a warm frame of the module's Render costs for a fixed set of looks, the
// GPU time of each pass, and two reference figures from the same run: the floor (a copy pass
// of an RGBA32F texture) and an exact CPU distance transform of the same mask on one core.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace ostra::cli {

struct BenchOptions {
  std::string modulePath;
  std::vector<std::string> sizes;  // WxH; 1920x1080 and 3840x2160 when empty
  int frames = 5;                  // warm frames timed per look, after one untimed
  int timedFrames = 3;             // further frames with the pass timers on
  bool scaling = false;            // also frame time against pixels and against Bevel End
  std::vector<std::string> looks;  // a subset of the looks by name; all when empty
  std::string json;                // also write the figures here
};

int runBench(const BenchOptions& options, std::ostream& out, std::ostream& err);

}  // namespace ostra::cli
