#include "hostsim/module.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace ostra::hostsim {
namespace {

#if defined(_WIN32)
constexpr WORD kPiplId = 16000;
constexpr WORD kPiplLanguage = 1033;  // English (United States)

std::string lastError() { return "error " + std::to_string(GetLastError()); }
#else
std::string lastError() {
  const char* message = dlerror();
  return message != nullptr ? message : "unknown error";
}
#endif

}  // namespace

Module::Module(const std::string& path) : path_(path) {
#if defined(_WIN32)
  handle_ = LoadLibraryA(path.c_str());
#else
  // RTLD_LOCAL keeps two modules' symbols apart, as separate DLLs are on Windows.
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
  if (handle_ == nullptr) throw ModuleError("cannot load module " + path + ": " + lastError());
}

Module::~Module() {
#if defined(_WIN32)
  FreeLibrary(static_cast<HMODULE>(handle_));
#else
  dlclose(handle_);
#endif
}

PF_EntryFunc Module::entryPoint(const std::string& name) const {
#if defined(_WIN32)
  FARPROC symbol = GetProcAddress(static_cast<HMODULE>(handle_), name.c_str());
  auto entry = reinterpret_cast<PF_EntryFunc>(reinterpret_cast<void (*)()>(symbol));
#else
  dlerror();
  auto entry = reinterpret_cast<PF_EntryFunc>(dlsym(handle_, name.c_str()));
#endif
  if (entry == nullptr) throw ModuleError("module " + path_ + " does not export " + name);
  return entry;
}

std::vector<uint8_t> Module::piplBytes() const {
#if defined(_WIN32)
  HMODULE module = static_cast<HMODULE>(handle_);
  HRSRC resource = FindResourceExA(module, "PIPL", MAKEINTRESOURCEA(kPiplId), kPiplLanguage);
  HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
  const auto* bytes =
      loaded != nullptr ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
  if (bytes == nullptr) {
    throw ModuleError("cannot read the PiPL of module " + path_ + ": no PIPL resource 16000");
  }
  return {bytes, bytes + SizeofResource(module, resource)};
#else
  const std::filesystem::path file = std::filesystem::path(path_).replace_extension(".pipl");
  std::ifstream in(file, std::ios::binary);
  if (!in) throw ModuleError("cannot read the PiPL beside the module: " + file.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
#endif
}

}  // namespace ostra::hostsim
