#include "bench/process_memory.h"

#include <fstream>
#include <string>

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

}  // namespace ostra::cli
