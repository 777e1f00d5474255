// The golden renders' input, a badge with a hole beside a word on transparency (256 × 128), at
// 1/N of its size: a shape with outer and inner edges for the tests that render one, the same
// on every build.
#pragma once

#include <string>

#include "frame_renderer.h"
#include "png_io.h"

namespace ostra::test {

inline cli::RgbaImage artwork(int denominator) {
  return cli::downsampled(cli::readPng(std::string(OSTRA_GOLDEN_DIR) + "/input.png"), denominator);
}

}  // namespace ostra::test
