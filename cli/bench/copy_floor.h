// The least a full-screen pass can cost on this machine: one draw that only copies an RGBA32F
// texture into another of the same size, on the host's own OpenGL context.
#pragma once

#include "hostsim/host.h"

namespace ostra::cli {

struct FloorTime {
  double gpuMs = 0;   // GL_TIME_ELAPSED of the draw, median
  double wallMs = 0;  // the draw and glFinish as the CPU sees them, median
};

// Runs `repeats` timed copies after two untimed ones. The host's context is current only
// while it runs. Throws std::runtime_error if the pass cannot be built.
FloorTime measureCopyFloor(hostsim::Host& host, int width, int height, int repeats);

// The renderer string of the host's context.
std::string hostRenderer(hostsim::Host& host);

}  // namespace ostra::cli
