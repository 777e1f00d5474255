// A host with the built module loaded, for tests that drive it through its entry point.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "hostsim/host.h"
#if !defined(_WIN32)
#include "platform/control.h"
#endif

namespace ostra::test {

class ModuleTest : public ::testing::Test {
 protected:
  // On Linux every test starts and ends with no injected platform failure; Windows has no
  // control surface, only the system's calls.
  void SetUp() override {
#if !defined(_WIN32)
    platform::reset();
#endif
    host_ = std::make_unique<hostsim::Host>(OSTRA_MODULE_PATH);
  }
  void TearDown() override {
    host_.reset();
#if !defined(_WIN32)
    platform::reset();
#endif
  }
  hostsim::Host& host() { return *host_; }

  // Global Setup and Setdown write the OpenGL report; keep it out of the test log.
  hostsim::CallResult sendQuietly(PF_Cmd cmd) {
    testing::internal::CaptureStdout();
    const hostsim::CallResult result = host().send(cmd);
    testing::internal::GetCapturedStdout();
    return result;
  }

 private:
  std::unique_ptr<hostsim::Host> host_;
};

}  // namespace ostra::test
