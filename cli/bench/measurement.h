// One look measured at one size: warm frame times, the GPU time of each pass, memory.
#pragma once

#include <string>
#include <vector>

#include "bench/pass_times.h"
#include "bench/process_memory.h"

namespace ostra::cli {

struct Look {
  std::string name;
  std::vector<std::string> sets;  // NAME=VALUE, as quellon params names them
};

// The looks every run measures.
const std::vector<Look>& benchLooks();

struct Measurement {
  std::string look;
  std::string group;  // "frame", "scrub", "pixels" or "bevel end"
  int width = 0;      // the layer's full size
  int height = 0;
  int downsample = 1;
  double firstMs = 0;           // the look's first frame (programs built on first use)
  std::vector<double> frameMs;  // warm frames, timers off
  PassTimes passes;             // medians of the timed frames
  ResidentMemory afterFirst;    // after the first warm frame
  ResidentMemory atEnd;
  double pageFaultsPerFrame = 0;  // minor page faults of a warm frame, on average

  double megapixels() const { return width * double(height) / 1e6; }
  double medianMs() const;
  double minMs() const;
  double maxMs() const;
  double passSumMs() const;  // of the finished pass times
  double querySumMs() const;
  double overhead() const { return passSumMs() > 0 ? medianMs() / passSumMs() : 0; }
};

}  // namespace ostra::cli
