// A host with the built module loaded, for tests that drive it through its entry point.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "hostsim/host.h"
#include "platform/control.h"

namespace ostra::test {

class ModuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::reset();
    host_ = std::make_unique<hostsim::Host>(OSTRA_MODULE_PATH);
  }
  void TearDown() override {
    host_.reset();
    platform::reset();
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
