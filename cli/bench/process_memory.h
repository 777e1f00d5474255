// This process's resident memory, for the benchmark's memory figures.
#pragma once

#include <cstdint>

namespace ostra::cli {

struct ResidentMemory {
  int64_t currentKiB = -1;  // -1 where the system does not say
  int64_t peakKiB = -1;
};

ResidentMemory residentMemory();

}  // namespace ostra::cli
