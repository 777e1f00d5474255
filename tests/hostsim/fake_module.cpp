#include "fake_module.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <stdexcept>

#if defined(_WIN32)
#include "platform/win32.h"
#endif

namespace ostra::hostsim::test {

FakeModule::FakeModule(const std::optional<Bytes>& pipl) {
  // ctest runs tests in parallel processes: the pid and the test's name keep folders apart.
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = "hostsim-" + std::to_string(getpid());
  if (info != nullptr) name += std::string("-") + info->test_suite_name() + "-" + info->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  dir_ = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(dir_);
  std::filesystem::create_directories(dir_);
  std::filesystem::copy_file(FAKE_EFFECT_PATH, path());
  if (!pipl) return;
  try {
    writePipl(*pipl);
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
    throw;
  }
}

std::string FakeModule::path() const {
  return (dir_ / std::filesystem::path(FAKE_EFFECT_PATH).filename()).string();
}

#if defined(_WIN32)
// Into the copy's resources, where the host's FindResourceExA looks.
void FakeModule::writePipl(const Bytes& pipl) const {
  HANDLE update = BeginUpdateResourceA(path().c_str(), FALSE);
  if (update == nullptr) throw std::runtime_error("BeginUpdateResourceA failed on " + path());
  const BOOL written =
      UpdateResourceA(update, "PIPL", MAKEINTRESOURCEA(16000), 1033,
                      const_cast<uint8_t*>(pipl.data()), static_cast<DWORD>(pipl.size()));
  if (!EndUpdateResourceA(update, !written) || !written) {
    throw std::runtime_error("cannot write the PIPL resource of " + path());
  }
}
#else
void FakeModule::writePipl(const Bytes& pipl) const {
  std::ofstream out(dir_ / "FakeEffect.pipl", std::ios::binary);
  out.write(reinterpret_cast<const char*>(pipl.data()), static_cast<std::streamsize>(pipl.size()));
  if (!out) throw std::runtime_error("cannot write the PiPL beside " + path());
}
#endif

FakeModule::~FakeModule() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

}  // namespace ostra::hostsim::test
