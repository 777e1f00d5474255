// This process's resident memory, for the benchmark's memory figures.
#pragma once

#include <cstdint>

namespace ostra::cli {

struct ResidentMemory {
  int64_t currentKiB = -1;  // -1 where the system does not say
  int64_t peakKiB = -1;
};

ResidentMemory residentMemory();

// Page faults this process has taken that needed no disk (fresh memory touched for the first
// time, mostly); -1 where the system does not say.
int64_t minorPageFaults();

}  // namespace ostra::cli
