// Creating an EGL context behind an HGLRC, shared by wglCreateContext and
// wglCreateContextAttribsARB.
#pragma once

#include <EGL/egl.h>

#include "platform/win32.h"

namespace ostra::platform::detail {

// Null unless `dc` is known and its window has a pixel format, and `share` (when given) is a
// known context. EGL shares objects at creation only, so `share` is taken here or never.
HGLRC createContext(HDC dc, HGLRC share, const EGLint* attributes);

}  // namespace ostra::platform::detail
