// ShellExecuteA records what would have been opened; tests and the host simulator read it back.
#include <cstdint>
#include <string>

#include "platform/linux/registry.h"

using ostra::platform::detail::Registry;
using ostra::platform::detail::registry;

extern "C" {

HINSTANCE WINAPI ShellExecuteA(HWND, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                               LPCSTR directory, int showCommand) {
  const auto text = [](LPCSTR s) { return std::string(s != nullptr ? s : ""); };
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  r.shellCalls.push_back(
      {text(operation), text(file), text(parameters), text(directory), showCommand});
  // Values above 32 mean success.
  return reinterpret_cast<HINSTANCE>(std::uintptr_t{42});
}

}  // extern "C"
