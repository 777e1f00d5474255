// A copy of the fake effect module in a folder of its own, with the PiPL a test wants where the
// host looks for it (beside the module on Linux, its PIPL resource on Windows), so each test
// process can shape its own listing.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "pipl_bytes.h"

namespace ostra::hostsim::test {

class FakeModule {
 public:
  // No PiPL at all when `pipl` is empty.
  explicit FakeModule(const std::optional<Bytes>& pipl = piplBlob(fakeRecords()));
  ~FakeModule();
  FakeModule(const FakeModule&) = delete;
  FakeModule& operator=(const FakeModule&) = delete;

  std::string path() const;

 private:
  void writePipl(const Bytes& pipl) const;

  std::filesystem::path dir_;
};

}  // namespace ostra::hostsim::test
