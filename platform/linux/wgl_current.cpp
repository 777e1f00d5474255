// Which context is current on which thread. EGL keeps the truth; the registry remembers the
// thread each of our contexts went current on (so deleting it elsewhere can be refused), and a
// thread-local record keeps the device context it was made current with.
#include <thread>

#include "platform/linux/current.h"
#include "platform/linux/egl_display.h"
#include "platform/linux/registry.h"

using ostra::platform::Call;
using ostra::platform::detail::Registry;
using ostra::platform::detail::registry;

namespace ostra::platform::detail {

namespace {

struct ThreadCurrent {
  HDC dc = nullptr;
  HGLRC context = nullptr;

  // A thread that ends with a context current would pin it to a dead thread for good: neither
  // current elsewhere nor deletable. Release it when the thread ends.
  ~ThreadCurrent() {
    if (context == nullptr) return;
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (currentContextLocked(r) == context) releaseCurrentLocked(r);
  }
};

thread_local ThreadCurrent threadCurrent;

}  // namespace

HGLRC currentContextLocked(Registry& r) {
  const EGLContext egl = eglGetCurrentContext();
  if (egl == EGL_NO_CONTEXT) return nullptr;
  for (const auto& [handle, context] : r.contexts) {
    if (context.egl == egl) return handle;
  }
  return nullptr;
}

bool releaseCurrentLocked(Registry& r) {
  const HGLRC previous = currentContextLocked(r);
  if (!makeEglCurrent(EGL_NO_CONTEXT)) return false;
  if (previous != nullptr) r.contexts.at(previous).currentOn = std::thread::id{};
  threadCurrent.dc = nullptr;
  threadCurrent.context = nullptr;
  return true;
}

}  // namespace ostra::platform::detail

using ostra::platform::detail::currentContextLocked;
using ostra::platform::detail::threadCurrent;

extern "C" {

BOOL WINAPI wglMakeCurrent(HDC dc, HGLRC context) {
  Registry& r = registry();
  // Held across eglMakeCurrent so that a delete on another thread sees where each context is.
  std::lock_guard lock(r.mutex);
  ++r.makeCurrentCalls;
  if (r.failNow(Call::wglMakeCurrent)) return FALSE;
  if (context == nullptr) {
    return ostra::platform::detail::releaseCurrentLocked(r) ? TRUE : FALSE;
  }
  const auto contextIt = r.contexts.find(context);
  if (!r.deviceContexts.contains(dc) || contextIt == r.contexts.end()) return FALSE;
  const HGLRC previous = currentContextLocked(r);
  // Fails, changing nothing, when the context is current on another thread (EGL_BAD_ACCESS).
  if (!ostra::platform::detail::makeEglCurrent(contextIt->second.egl)) return FALSE;
  if (previous != nullptr) r.contexts.at(previous).currentOn = std::thread::id{};
  contextIt->second.currentOn = std::this_thread::get_id();
  threadCurrent.dc = dc;
  threadCurrent.context = context;
  return TRUE;
}

HGLRC WINAPI wglGetCurrentContext() {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  return currentContextLocked(r);
}

HDC WINAPI wglGetCurrentDC() {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  const HGLRC current = currentContextLocked(r);
  return current != nullptr && current == threadCurrent.context ? threadCurrent.dc : nullptr;
}

}  // extern "C"
