#include <filesystem>

#include "commands.h"

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace ostra::cli {

std::string defaultModulePath() {
#if defined(_WIN32)
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  return (std::filesystem::path(self).parent_path() / "OstraQuellon.aex").string();
#else
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path dir = error ? std::filesystem::current_path() : self.parent_path();
  return (dir / "OstraQuellon.so").string();
#endif
}

}  // namespace ostra::cli
