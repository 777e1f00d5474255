// A plug-in context for GL unit tests, made and destroyed around each test, with the context
// report kept out of the log and every GL call watched.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "plugin/gpu/gl_context.h"
#include "plugin/gpu/render_frame.h"
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
    // The frame is process-wide, as in the module: release its objects before their contexts
    // go, as Global Setdown does, so that the next test does not meet stale names.
    if (Kestrix::Bevel::AEOpenGLContext* shared = Kestrix::Bevel::sharedContext()) {
      shared->makeCurrent();
      Kestrix::Bevel::renderFrame().releaseGpuObjects();
    }
    Kestrix::Bevel::destroyAllContexts();
  }
  GlTracker& tracker() { return *tracker_; }

 private:
  std::unique_ptr<GlTracker> tracker_;
};

}  // namespace ostra::test
