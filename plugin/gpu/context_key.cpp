#include "plugin/gpu/context_key.h"

#include "platform/win32.h"

namespace Kestrix::Bevel {

const void* currentContextKey() { return wglGetCurrentContext(); }

}  // namespace Kestrix::Bevel
