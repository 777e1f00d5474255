// The full-screen quad every pass draws: six vertices of (x, y, z, u, v), two triangles.
// v = 0 meets framebuffer row 0, so no pass flips the image.
#pragma once

#include <cstdint>

namespace Kestrix::Bevel {

inline constexpr float kQuadVertices[30] = {
    1,  -1, 0, 1, 0,  //
    1,  1,  0, 1, 1,  //
    -1, 1,  0, 0, 1,  //
    -1, 1,  0, 0, 1,  //
    -1, -1, 0, 0, 0,  //
    1,  -1, 0, 1, 0,  //
};
inline constexpr int32_t kQuadStride = 20;
inline constexpr uintptr_t kQuadUvOffset = 12;
inline constexpr int32_t kQuadVertexCount = 6;

}  // namespace Kestrix::Bevel
