// The WGL extension entry points, reached only through wglGetProcAddress as on Windows.
#include <EGL/egl.h>

#include <cstring>
#include <optional>
#include <type_traits>
#include <vector>

#include "platform/linux/create_context.h"
#include "platform/linux/registry.h"

using ostra::platform::Call;
using ostra::platform::detail::Registry;
using ostra::platform::detail::registry;

namespace {

constexpr int kProfileMaskArb = 0x9126;
constexpr int kCoreProfileBitArb = 1;
constexpr int kCompatibilityProfileBitArb = 2;

// Static storage: callers keep the pointer, as they may with the driver's string.
constexpr const char* kAllExtensions =
    "WGL_ARB_extensions_string WGL_ARB_pixel_format WGL_ARB_create_context "
    "WGL_ARB_create_context_profile";
constexpr const char* kWithoutCreateContext = "WGL_ARB_extensions_string WGL_ARB_pixel_format";

// WGL attribute pairs to EGL ones; nothing for an attribute or profile EGL is not asked for here.
std::optional<std::vector<EGLint>> eglAttributes(const int* attributes) {
  std::vector<EGLint> egl;
  for (const int* pair = attributes; pair != nullptr && pair[0] != 0; pair += 2) {
    switch (pair[0]) {
      case OSTRA_WGL_CONTEXT_MAJOR_VERSION_ARB:
        egl.insert(egl.end(), {EGL_CONTEXT_MAJOR_VERSION, pair[1]});
        break;
      case OSTRA_WGL_CONTEXT_MINOR_VERSION_ARB:
        egl.insert(egl.end(), {EGL_CONTEXT_MINOR_VERSION, pair[1]});
        break;
      case kProfileMaskArb:
        if (pair[1] == kCoreProfileBitArb) {
          egl.insert(egl.end(),
                     {EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT});
        } else if (pair[1] == kCompatibilityProfileBitArb) {
          egl.insert(egl.end(), {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                 EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT});
        } else {
          return std::nullopt;
        }
        break;
      default:
        return std::nullopt;
    }
  }
  egl.push_back(EGL_NONE);
  return egl;
}

const char* WINAPI getExtensionsString(HDC) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  return r.createContextDropped ? kWithoutCreateContext : kAllExtensions;
}

HGLRC WINAPI createContextAttribs(HDC dc, HGLRC share, const int* attributes) {
  {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (r.failNow(Call::wglCreateContextAttribsARB)) return nullptr;
  }
  const auto egl = eglAttributes(attributes);
  if (!egl) return nullptr;
  return ostra::platform::detail::createContext(dc, share, egl->data());
}

// void(*)() converts to and from any function pointer type without a cast-function-type warning.
template <class Function>
PROC asProc(Function function) {
  return reinterpret_cast<PROC>(reinterpret_cast<void (*)()>(function));
}

}  // namespace

static_assert(std::is_same_v<decltype(&getExtensionsString), OstraWglGetExtensionsStringARB>);
static_assert(std::is_same_v<decltype(&createContextAttribs), OstraWglCreateContextAttribsARB>);

extern "C" {

PROC WINAPI wglGetProcAddress(LPCSTR name) {
  {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (r.failNow(Call::wglGetProcAddress)) return nullptr;
  }
  // Windows answers only while a context is current.
  if (name == nullptr || eglGetCurrentContext() == EGL_NO_CONTEXT) return nullptr;
  if (std::strcmp(name, "wglGetExtensionsStringARB") == 0) return asProc(&getExtensionsString);
  if (std::strcmp(name, "wglCreateContextAttribsARB") == 0) return asProc(&createContextAttribs);
  return nullptr;
}

}  // extern "C"
