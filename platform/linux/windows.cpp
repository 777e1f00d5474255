// Hidden windows and their device contexts: plain records, nothing is ever shown.
#include <string>
#include <thread>

#include "platform/linux/registry.h"

using ostra::platform::Call;
using ostra::platform::detail::Registry;
using ostra::platform::detail::registry;

extern "C" {

HWND WINAPI CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD, int, int, int width,
                            int height, HWND, HMENU, HINSTANCE, LPVOID) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  if (r.failNow(Call::CreateWindowExA)) return nullptr;
  const auto* windowClass = r.findClass(className);
  if (windowClass == nullptr) return nullptr;
  const HWND handle = r.newHandle<HWND>();
  r.windows.emplace(handle,
                    ostra::platform::detail::Window{windowClass->atom, windowName ? windowName : "",
                                                    width, height, std::this_thread::get_id()});
  return handle;
}

BOOL WINAPI DestroyWindow(HWND window) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  if (r.windows.erase(window) == 0) return FALSE;
  // A device context does not outlive its window.
  std::erase_if(r.deviceContexts,
                [window](const auto& entry) { return entry.second.window == window; });
  return TRUE;
}

HDC WINAPI GetDC(HWND window) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  if (r.failNow(Call::GetDC)) return nullptr;
  if (!r.windows.contains(window)) return nullptr;
  const HDC handle = r.newHandle<HDC>();
  r.deviceContexts.emplace(handle, ostra::platform::detail::DeviceContext{window});
  return handle;
}

int WINAPI ReleaseDC(HWND window, HDC dc) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  const auto it = r.deviceContexts.find(dc);
  if (it == r.deviceContexts.end() || it->second.window != window) return 0;
  r.deviceContexts.erase(it);
  return 1;
}

}  // extern "C"
