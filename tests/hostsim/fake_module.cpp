#include "fake_module.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

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
  if (pipl) {
    std::ofstream out(dir_ / "FakeEffect.pipl", std::ios::binary);
    out.write(reinterpret_cast<const char*>(pipl->data()),
              static_cast<std::streamsize>(pipl->size()));
  }
}

FakeModule::~FakeModule() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

}  // namespace ostra::hostsim::test
