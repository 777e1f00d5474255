#include "platform/linux/egl_display.h"

#include <EGL/eglext.h>

namespace ostra::platform::detail {

namespace {

EGLDisplay openDisplay() {
  // The surfaceless platform needs no X server; eglGetDisplay(EGL_DEFAULT_DISPLAY) would.
  const auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
      eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (getPlatformDisplay == nullptr) return EGL_NO_DISPLAY;
  EGLDisplay display =
      getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (display == EGL_NO_DISPLAY) return EGL_NO_DISPLAY;
  EGLint major = 0;
  EGLint minor = 0;
  if (eglInitialize(display, &major, &minor) != EGL_TRUE) return EGL_NO_DISPLAY;
  return display;
}

}  // namespace

EGLDisplay eglDisplay() {
  // Never terminated: contexts of other callers (the host simulator's) may outlive ours, and
  // the platform returns this same display to anyone asking with the same arguments.
  static const EGLDisplay display = openDisplay();
  return display;
}

bool makeEglCurrent(EGLContext context) {
  // The bound API is per thread, and a context is current for the API bound at the time.
  EGLDisplay display = context == EGL_NO_CONTEXT ? eglGetCurrentDisplay() : eglDisplay();
  if (display == EGL_NO_DISPLAY) return context == EGL_NO_CONTEXT;
  if (eglBindAPI(EGL_OPENGL_API) != EGL_TRUE) return false;
  return eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context) == EGL_TRUE;
}

}  // namespace ostra::platform::detail
