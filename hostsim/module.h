// An effect module loaded the way the host loads it, with its PiPL bytes.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "sdk/ae_effect.h"

namespace ostra::hostsim {

class ModuleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Module {
 public:
  // Throws ModuleError when the file cannot be loaded.
  explicit Module(const std::string& path);
  ~Module();
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  // Throws ModuleError when the module does not export `name`.
  PF_EntryFunc entryPoint(const std::string& name = "EntryPointFunc") const;
  // Linux: the file beside the module with its extension replaced by ".pipl". Windows: the
  // resource of type "PIPL", id 16000, language 1033. Throws ModuleError when absent.
  std::vector<uint8_t> piplBytes() const;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  void* handle_ = nullptr;
};

}  // namespace ostra::hostsim
