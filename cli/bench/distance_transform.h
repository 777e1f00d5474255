// The exact Euclidean distance transform a CPU bevel would have to pay for at least: for every
// pixel inside a mask, the distance to the nearest pixel outside it.
#pragma once

#include <cstdint>
#include <vector>

namespace ostra::cli {

// `inside` holds width × height flags, rows top to bottom. Returns the distances in pixels
// (0 outside); a mask with no outside pixel gets +infinity inside. Linear time, one thread.
std::vector<float> exactDistanceTransform(const std::vector<uint8_t>& inside, int width,
                                          int height);

}  // namespace ostra::cli
