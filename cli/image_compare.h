// How far one image lies from another, channel by channel, judged as the golden renders are.
#pragma once

#include <cstddef>
#include <string>

#include "png_io.h"

namespace ostra::cli {

// What llvmpipe renders may differ by between builds and machines: no channel off by more than
// 24, and at most 0.5 % of pixels with a channel off by more than 4.
struct Tolerance {
  int maxChannelDifference = 24;
  int looseDifference = 4;
  double looseShare = 0.005;
};

struct ImageDifference {
  int worst = 0;            // the largest difference of any channel, alpha included
  std::size_t worstAt = 0;  // the first pixel (row-major index) that has it
  std::size_t loose = 0;    // pixels with a channel off by more than the loose difference
  std::size_t pixels = 0;
  bool within = true;  // inside the tolerance it was measured against
};

// Throws std::invalid_argument when the two differ in size.
ImageDifference compareImages(const RgbaImage& a, const RgbaImage& b,
                              const Tolerance& tolerance = {});

// One line: the worst channel difference, where and both pixels there, and the share of loose
// pixels, e.g. "max channel difference 3 at (10, 4): 1,2,3,255 against 1,2,6,255; 0 of 64
// pixels (0 %) off by more than 4".
std::string describe(const ImageDifference& difference, const RgbaImage& a, const RgbaImage& b,
                     const Tolerance& tolerance = {});

}  // namespace ostra::cli
