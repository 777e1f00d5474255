// The artwork the CLI draws itself, so that a render needs no input file: a bold word beside a
// rounded badge with a hole, on transparency. Straight-alpha RGBA.
#pragma once

#include "png_io.h"

namespace ostra::cli {

RgbaImage sampleArtwork(int width, int height);

// Cairo's premultiplied ARGB32 surface bytes to straight RGBA.
RgbaImage fromCairoArgb(const unsigned char* data, int width, int height, int stride);

}  // namespace ostra::cli
