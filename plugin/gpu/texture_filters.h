// Every texture of the pipeline samples linearly and clamps at its edges; with no mipmaps the
// minification filter must not ask for them, or the texture is incomplete and reads as zero.
#pragma once

namespace Kestrix::Bevel {

// Applies to the texture bound to GL_TEXTURE_2D.
void setLinearClampedFilters();

}  // namespace Kestrix::Bevel
