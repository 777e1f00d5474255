// One picture of several renders, each labelled, on a dark ground so that transparency reads.
#pragma once

#include <string>
#include <vector>

#include "png_io.h"

namespace ostra::cli {

struct LabelledImage {
  std::string label;
  RgbaImage image;
};

// Tiles of the first image's size, `columns` to a row, with a label bar under each.
RgbaImage contactSheet(const std::vector<LabelledImage>& tiles, int columns);

}  // namespace ostra::cli
