// PNG files in and out, as straight-alpha RGBA with 8 bits per channel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ostra::cli {

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // width × height × 4, rows top to bottom
};

// Reads any PNG: RGB, grey and palette images get an opaque alpha, 16-bit channels are reduced
// to 8 bits, and each such change is described in `notices`. Throws std::runtime_error.
RgbaImage readPng(const std::string& path, std::vector<std::string>* notices = nullptr);

// Writes to a temporary file beside `path` and renames it into place, so that a failure never
// leaves a partial or stale file at `path`. Throws std::runtime_error.
void writePng(const std::string& path, const RgbaImage& image);

}  // namespace ostra::cli
