// Moves pixels between the host's 8-bit worlds and the GPU.
#pragma once

#include <glbinding/gl33core/gl.h>
#include <cstdint>

#include "sdk/ae_effect.h"

namespace Kestrix::Bevel {

// The pixel format code whose bytes in memory spell "argb": 8 bits per channel.
inline constexpr uint32_t kFormatArgb8 = 0x62677261;

// Uploads `world` into a new RGBA32F texture, the host's bytes in memory order (r = alpha,
// g = red, b = green, a = blue). The caller owns the texture. Throws an integer code.
gl::GLuint uploadWorld(uint32_t formatCode, PF_LayerDef* world, PF_LayerDef* otherWorld,
                       PF_InData* in_data, int64_t* bytesPerPixel, gl::GLenum* pixelType,
                       float* multiplier, bool mipmap);

// Reads the frame's converted output back and copies it row by row into `outputWorld`.
// Call right after convertToOutput, with the output framebuffer still bound.
void copyToOutput(int32_t width, int32_t height, PF_LayerDef* inputWorld, PF_LayerDef* outputWorld,
                  PF_InData* in_data, uint32_t formatCode, int64_t bytesPerPixel,
                  gl::GLenum pixelType);

}  // namespace Kestrix::Bevel
