// A copy of the fake effect module in a folder of its own, with the PiPL a test wants beside
// it, so each test process can shape its own listing.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "pipl_bytes.h"

namespace ostra::hostsim::test {

class FakeModule {
 public:
  // No PiPL file at all when `pipl` is empty.
  explicit FakeModule(const std::optional<Bytes>& pipl = piplBlob(fakeRecords()));
  ~FakeModule();
  FakeModule(const FakeModule&) = delete;
  FakeModule& operator=(const FakeModule&) = delete;

  std::string path() const { return (dir_ / "FakeEffect.so").string(); }

 private:
  std::filesystem::path dir_;
};

}  // namespace ostra::hostsim::test
