// The process-wide records behind every fake Win32/WGL handle. One mutex guards all of them;
// each entry point takes it for its lookups and updates.
#pragma once

#include <EGL/egl.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/control.h"
#include "platform/win32.h"

namespace ostra::platform::detail {

struct WindowClass {
  std::string name;
  ATOM atom = 0;
};

struct Window {
  ATOM classAtom = 0;
  std::string title;
  int width = 0;
  int height = 0;
  std::thread::id creator;
  int pixelFormat = 0;  // 0 until SetPixelFormat
};

struct DeviceContext {
  HWND window = nullptr;
};

struct Context {
  EGLContext egl = EGL_NO_CONTEXT;
  std::uint64_t shareGroup = 0;  // contexts created sharing with each other carry one number
  std::thread::id currentOn;     // the thread it was made current on through us; none if released
};

struct Injection {
  bool armed = false;
  int skip = 0;
};

struct Registry {
  std::mutex mutex;
  std::vector<WindowClass> classes;
  std::unordered_map<HWND, Window> windows;
  std::unordered_map<HDC, DeviceContext> deviceContexts;
  std::unordered_map<HGLRC, Context> contexts;
  std::map<Call, Injection> injections;
  std::vector<ShellCall> shellCalls;
  bool createContextDropped = false;
  int contextsCreated = 0;
  int contextsDeleted = 0;
  int makeCurrentCalls = 0;
  std::uint64_t nextShareGroup = 1;

  // True when the injected failure of `call` is due now; the failure is then used up.
  bool failNow(Call call);
  // Classes are found by name (case-insensitive, as on Windows) or by atom (MAKEINTATOM).
  WindowClass* findClass(LPCSTR nameOrAtom);
  ATOM newAtom();

  // Handles come from one counter and are never reused, so a stale or foreign handle of any
  // kind is simply unknown.
  template <class Handle>
  Handle newHandle() {
    nextHandle_ += 16;
    return reinterpret_cast<Handle>(nextHandle_);
  }

 private:
  std::uintptr_t nextHandle_ = 0x10000;
  ATOM nextAtom_ = 0xC000;
};

Registry& registry();

}  // namespace ostra::platform::detail
