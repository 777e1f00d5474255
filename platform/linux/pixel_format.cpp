// Pixel formats: contexts are surfaceless, so the one format offered stands for any request
// that asks for OpenGL; it is recorded on the window because wglCreateContext requires one.
#include "platform/linux/registry.h"

using ostra::platform::Call;
using ostra::platform::detail::Registry;
using ostra::platform::detail::registry;

static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40);

extern "C" {

int WINAPI ChoosePixelFormat(HDC, const PIXELFORMATDESCRIPTOR* descriptor) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  if (r.failNow(Call::ChoosePixelFormat)) return 0;
  if (descriptor == nullptr || descriptor->nSize != sizeof(PIXELFORMATDESCRIPTOR)) return 0;
  return (descriptor->dwFlags & PFD_SUPPORT_OPENGL) != 0 ? 1 : 0;
}

BOOL WINAPI SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR*) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  if (r.failNow(Call::SetPixelFormat)) return FALSE;
  const auto dcIt = r.deviceContexts.find(dc);
  if (dcIt == r.deviceContexts.end() || format < 1) return FALSE;
  r.windows.at(dcIt->second.window).pixelFormat = format;
  return TRUE;
}

}  // extern "C"
