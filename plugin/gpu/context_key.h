// Identifies the rendering context current on this thread, for objects OpenGL does not share
// between contexts (framebuffers, vertex arrays). Free of window-system headers on purpose.
#pragma once

namespace Kestrix::Bevel {

const void* currentContextKey();

}  // namespace Kestrix::Bevel
