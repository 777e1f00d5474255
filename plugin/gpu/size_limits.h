// What the current context's driver can hold: a layer beyond it cannot become a texture or a
// render target, and drawing into those would only raise errors and leave stale pixels.
#pragma once

#include <cstdint>

namespace Kestrix::Bevel {

// Both sides fit the largest texture of the current context.
bool fitsTexture(int32_t width, int32_t height);
// Both sides fit the largest texture, renderbuffer and viewport of the current context.
bool fitsRenderTarget(int32_t width, int32_t height);

}  // namespace Kestrix::Bevel
