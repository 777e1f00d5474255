// The one EGL display of the process and the thread-level EGL calls made on it.
#pragma once

#include <EGL/egl.h>

namespace ostra::platform::detail {

// Mesa's surfaceless display, initialised on first use and never terminated; EGL_NO_DISPLAY
// when it cannot be had.
EGLDisplay eglDisplay();

// Makes `context` current on this thread without a surface (EGL_NO_CONTEXT releases).
bool makeEglCurrent(EGLContext context);

}  // namespace ostra::platform::detail
