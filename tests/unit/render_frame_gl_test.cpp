// The frame's framebuffers, render targets, float textures and the final conversion.
#include <gtest/gtest.h>

#include <array>
#include <thread>
#include <vector>

#include "plugin/gpu/render_frame.h"
#include "tests/support/gl_read.h"
#include "tests/support/gl_test_context.h"

using namespace gl33core;
using Kestrix::Bevel::renderFrame;

namespace {

class RenderFrameGLTest : public ostra::test::GLTestBase {};

// Fills the top render target's rectangle with one colour, as a pass would.
void paint(int x, int y, int w, int h, std::array<float, 4> c) {
  glEnable(GL_SCISSOR_TEST);
  glScissor(x, y, w, h);
  glClearColor(c[0], c[1], c[2], c[3]);
  glClear(GL_COLOR_BUFFER_BIT);
  glDisable(GL_SCISSOR_TEST);
}

std::vector<uint8_t> readOutput(int w, int h) {
  std::vector<uint8_t> bytes(static_cast<size_t>(w * h * 4));
  glReadBuffer(GL_COLOR_ATTACHMENT0);
  glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
  return bytes;
}

void frame(int w, int h) {
  renderFrame().resize(w, h, true);
  renderFrame().beginFrame(false, false);
  renderFrame().convertToOutput(1.0f);
}

}  // namespace

TEST_F(RenderFrameGLTest, ConversionMovesAlphaFirstAndDividesColourByIt) {
  testing::internal::CaptureStdout();
  renderFrame().resize(2, 1, true);
  renderFrame().beginFrame(false, false);
  paint(0, 0, 1, 1, {0.5f, 0.25f, 0.125f, 0.5f});
  paint(1, 0, 1, 1, {0.9f, 0.6f, 0.3f, 0.0f});
  renderFrame().convertToOutput(1.0f);
  const auto bytes = readOutput(2, 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout().find("framebuffer incomplete"),
            std::string::npos)
      << "the sample count must fit the driver";
  // (0.5, 0.25, 0.125, 0.5) becomes (0.5, 1.0, 0.5, 0.25); 8-bit targets round to 1/255.
  const int expected[4] = {128, 255, 128, 64};
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(bytes[i], expected[i], 1) << "channel " << i;
  for (int i = 4; i < 8; ++i) EXPECT_EQ(bytes[i], 0) << "alpha 0 gives four zeros";
}

TEST_F(RenderFrameGLTest, FramebuffersAreMadeOncePerSizeAndTargetsGoAfterConversion) {
  frame(640, 480);
  EXPECT_EQ(tracker().framebuffersGenerated(), 3);
  frame(640, 480);
  EXPECT_EQ(tracker().framebuffersGenerated(), 3) << "same size reuses them";
  frame(320, 240);
  EXPECT_EQ(tracker().framebuffersGenerated(), 6);
  EXPECT_EQ(tracker().liveFramebuffers(), 3u) << "the old ones were deleted";

  EXPECT_EQ(renderFrame().targetCount(), 0u);
  EXPECT_EQ(tracker().liveRenderbuffers(), 1u) << "only the output renderbuffer remains";
  EXPECT_EQ(tracker().liveTextures(), 0u) << "the resolve texture was deleted";

  renderFrame().releaseGpuObjects();
  EXPECT_EQ(tracker().liveFramebuffers(), 0u);
  EXPECT_EQ(tracker().liveRenderbuffers(), 0u);
  EXPECT_EQ(tracker().liveVertexArrays(), 0u);
}

TEST_F(RenderFrameGLTest, CreatedTexturesStartAllZero) {
  const double size[2] = {3, 2};
  const GLuint texture = renderFrame().createTexture(size, true, false);
  EXPECT_EQ(ostra::test::readTextureRgba(texture, 3, 2), std::vector<float>(24, 0.0f));
  glDeleteTextures(1, &texture);
}

TEST_F(RenderFrameGLTest, RenderToTextureDrawsIntoItAndRebindsTheTopTarget) {
  renderFrame().resize(8, 8, true);
  renderFrame().beginFrame(false, false);
  const double size[2] = {4, 4};
  const GLuint texture = renderFrame().createTexture(size, true, false);
  renderFrame().beginRenderToTexture(texture, size, 0);
  paint(0, 0, 4, 4, {0.25f, 0.5f, 0.75f, 1.0f});
  renderFrame().endRenderToTexture();
  GLint viewport[4] = {};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 8);
  EXPECT_EQ(tracker().liveFramebuffers(), 3u) << "the pass's framebuffer is gone";

  const auto texels = ostra::test::readTextureRgba(texture, 4, 4);
  EXPECT_FLOAT_EQ(texels[(1 * 4 + 1) * 4 + 1], 0.5f);
  glDeleteTextures(1, &texture);
  renderFrame().convertToOutput(1.0f);
}

TEST_F(RenderFrameGLTest, ReleasingAnUnusedFrameMakesNoGLCall) {
  const int before = tracker().calls();
  renderFrame().releaseGpuObjects();
  EXPECT_EQ(tracker().calls(), before);
}

// Framebuffers and vertex arrays are not shared between contexts: each thread's context must
// get its own, or the second thread draws nothing.
TEST_F(RenderFrameGLTest, FramesDrawnOnTwoThreadsGiveTheSameBytes) {
  std::vector<std::vector<uint8_t>> results;
  for (int i = 0; i < 2; ++i) {
    std::thread([&] {
      testing::internal::CaptureStdout();
      Kestrix::Bevel::threadContext()->makeCurrent();
      testing::internal::GetCapturedStdout();
      renderFrame().resize(16, 8, true);
      renderFrame().beginFrame(false, false);
      paint(2, 1, 9, 5, {0.2f, 0.4f, 0.6f, 0.8f});
      renderFrame().convertToOutput(1.0f);
      results.push_back(readOutput(16, 8));
      wglMakeCurrent(nullptr, nullptr);
    }).join();
  }
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0], results[1]);
  EXPECT_NE(results[0], std::vector<uint8_t>(results[0].size(), 0)) << "something was drawn";
  Kestrix::Bevel::sharedContext()->makeCurrent();
}
