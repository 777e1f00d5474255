// What the calling thread has current, shared by the make-current and delete paths.
#pragma once

#include "platform/linux/registry.h"

namespace ostra::platform::detail {

// Releases whatever context is current on this thread and forgets the thread's record.
// Call with the registry mutex held.
bool releaseCurrentLocked(Registry& registry);

// The registered context whose EGL context is current on this thread, or null.
// Call with the registry mutex held.
HGLRC currentContextLocked(Registry& registry);

}  // namespace ostra::platform::detail
