// Rendering contexts: each HGLRC is one EGL context without a config or a surface.
#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <thread>

#include "platform/linux/create_context.h"
#include "platform/linux/current.h"
#include "platform/linux/egl_display.h"
#include "platform/linux/registry.h"

using ostra::platform::Call;
using ostra::platform::detail::Registry;
using ostra::platform::detail::registry;

namespace ostra::platform::detail {

HGLRC createContext(HDC dc, HGLRC share, const EGLint* attributes) {
  Registry& r = registry();
  EGLContext shareEgl = EGL_NO_CONTEXT;
  std::uint64_t shareGroup = 0;
  {
    std::lock_guard lock(r.mutex);
    const auto dcIt = r.deviceContexts.find(dc);
    if (dcIt == r.deviceContexts.end() || r.windows.at(dcIt->second.window).pixelFormat == 0) {
      return nullptr;
    }
    if (share != nullptr) {
      const auto shareIt = r.contexts.find(share);
      if (shareIt == r.contexts.end()) return nullptr;
      shareEgl = shareIt->second.egl;
      shareGroup = shareIt->second.shareGroup;
    }
  }
  // Creating a context compiles nothing but still takes a while; keep it out of the lock.
  const EGLDisplay display = eglDisplay();
  if (display == EGL_NO_DISPLAY || eglBindAPI(EGL_OPENGL_API) != EGL_TRUE) return nullptr;
  const EGLContext egl = eglCreateContext(display, EGL_NO_CONFIG_KHR, shareEgl, attributes);
  if (egl == EGL_NO_CONTEXT) return nullptr;

  std::lock_guard lock(r.mutex);
  const HGLRC handle = r.newHandle<HGLRC>();
  r.contexts.emplace(handle, Context{egl, share != nullptr ? shareGroup : r.nextShareGroup++, {}});
  ++r.contextsCreated;
  return handle;
}

}  // namespace ostra::platform::detail

extern "C" {

HGLRC WINAPI wglCreateContext(HDC dc) {
  {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (r.failNow(Call::wglCreateContext)) return nullptr;
  }
  // No attributes: the newest compatibility profile, like a plain WGL context.
  return ostra::platform::detail::createContext(dc, nullptr, nullptr);
}

BOOL WINAPI wglDeleteContext(HGLRC context) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  const auto it = r.contexts.find(context);
  if (it == r.contexts.end()) return FALSE;
  const std::thread::id owner = it->second.currentOn;
  // EGL would defer destroying a context current elsewhere; Windows refuses, and so do we.
  if (owner != std::thread::id{} && owner != std::this_thread::get_id()) return FALSE;
  if (eglGetCurrentContext() == it->second.egl &&
      !ostra::platform::detail::releaseCurrentLocked(r)) {
    return FALSE;
  }
  eglDestroyContext(ostra::platform::detail::eglDisplay(), it->second.egl);
  r.contexts.erase(it);
  ++r.contextsDeleted;
  return TRUE;
}

BOOL WINAPI wglShareLists(HGLRC first, HGLRC second) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  if (r.failNow(Call::wglShareLists)) return FALSE;
  // EGL cannot join share groups after creation: report only what creation already did.
  const auto a = r.contexts.find(first);
  const auto b = r.contexts.find(second);
  if (a == r.contexts.end() || b == r.contexts.end()) return FALSE;
  return a->second.shareGroup == b->second.shareGroup ? TRUE : FALSE;
}

}  // extern "C"
