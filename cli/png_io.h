// PNG files for the CLI's images.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace ostra::cli {

// Writes 8-bit RGBA (straight alpha, rows from the top, width × height × 4 bytes) to `path`,
// through a temporary file beside it that is renamed into place, so a failed write never
// leaves a partial image under the name. Throws std::runtime_error, and
// std::invalid_argument when the sizes and the bytes disagree.
void writePng(const std::string& path, int width, int height, std::span<const std::uint8_t> rgba);

}  // namespace ostra::cli
