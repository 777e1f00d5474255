// Window classes, and the module, cursor and brush handles a class is filled with. Nothing
// here is drawn, so those handles are fixed placeholders that only need to be non-null.
#include <cstdint>

#include "platform/linux/registry.h"

using ostra::platform::Call;
using ostra::platform::detail::Registry;
using ostra::platform::detail::registry;

namespace {

template <class Handle>
Handle placeholder(std::uintptr_t value) {
  return reinterpret_cast<Handle>(value);
}

}  // namespace

extern "C" {

HMODULE WINAPI GetModuleHandleA(LPCSTR) { return placeholder<HMODULE>(0x1000); }

HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR) { return placeholder<HCURSOR>(0x1010); }

HGDIOBJ WINAPI GetStockObject(int) { return placeholder<HGDIOBJ>(0x1020); }

LRESULT WINAPI DefWindowProcA(HWND, UINT, WPARAM, LPARAM) { return 0; }

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  if (r.failNow(Call::RegisterClassExA)) return 0;
  if (windowClass == nullptr || windowClass->cbSize != sizeof(WNDCLASSEXA)) return 0;
  const char* name = windowClass->lpszClassName;
  // A name below 0x10000 would be an atom: registering by atom is not a thing.
  if (reinterpret_cast<std::uintptr_t>(name) < 0x10000 || name[0] == '\0') return 0;
  if (r.findClass(name) != nullptr) return 0;
  const ATOM atom = r.newAtom();
  if (atom == 0) return 0;
  r.classes.push_back({std::string(name), atom});
  return atom;
}

BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  const auto* windowClass = r.findClass(className);
  if (windowClass == nullptr) return FALSE;
  const ATOM atom = windowClass->atom;
  for (const auto& [handle, window] : r.windows) {
    if (window.classAtom == atom) return FALSE;
  }
  std::erase_if(r.classes, [atom](const auto& c) { return c.atom == atom; });
  return TRUE;
}

}  // extern "C"
