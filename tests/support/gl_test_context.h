// A plug-in context for GL unit tests, made and destroyed around each test, with the context
// report kept out of the log and every GL call watched.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "plugin/gpu/gl_context.h"
#include "tests/support/gl_tracker.h"

namespace ostra::test {

class GLTestBase : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::internal::CaptureStdout();
    Kestrix::Bevel::createSharedContext();
    testing::internal::GetCapturedStdout();
    tracker_ = std::make_unique<GlTracker>();
  }
  void TearDown() override {
    EXPECT_EQ(tracker_->errors(), std::vector<std::string>{}) << "GL errors raised";
    tracker_.reset();
    Kestrix::Bevel::destroyAllContexts();
  }
  GlTracker& tracker() { return *tracker_; }

 private:
  std::unique_ptr<GlTracker> tracker_;
};

}  // namespace ostra::test
