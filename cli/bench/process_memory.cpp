#include "bench/process_memory.h"

#include <fstream>
#include <string>

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace ostra::cli {

ResidentMemory residentMemory() {
  ResidentMemory memory;
  // Linux reports both in /proc; elsewhere the figures stay unknown.
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") status >> memory.currentKiB;
    if (key == "VmHWM:") status >> memory.peakKiB;
  }
  return memory;
}

int64_t minorPageFaults() {
#ifdef _WIN32
  return -1;
#else
  rusage usage{};
  return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_minflt : -1;
#endif
}

}  // namespace ostra::cli
