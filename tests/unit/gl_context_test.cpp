// The plug-in's own contexts: slots, window classes, the report, sharing, teardown and faults.
#include <gtest/gtest.h>

#include <glbinding/gl33core/gl.h>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "plugin/gpu/gl_context.h"

// Counting live objects and failing calls take the Linux platform's control surface. On Windows,
// against the system's WGL, the tests that need it are left out and the counts are not checked.
#if !defined(_WIN32)
#include "platform/control.h"
namespace control = ostra::platform;
#endif

using namespace Kestrix::Bevel;
using namespace gl33core;

namespace {

class GlContextTest : public ::testing::Test {
 protected:
#if !defined(_WIN32)
  void SetUp() override {
    control::reset();
    baseline_ = control::counts();
  }
  void TearDown() override {
    destroyAllContexts();
    control::reset();
  }
  // Nothing the plug-in made may outlive destroyAllContexts().
  void expectNothingLeft() {
    const control::Counts now = control::counts();
    EXPECT_EQ(now.liveContexts, baseline_.liveContexts);
    EXPECT_EQ(now.liveWindows, baseline_.liveWindows);
    EXPECT_EQ(now.liveClasses, baseline_.liveClasses);
  }
  control::Counts baseline_;
#else
  void TearDown() override { destroyAllContexts(); }
#endif
};

std::string suffixOf(const std::string& className) {
  return className.substr(className.rfind('_'));
}

}  // namespace

TEST_F(GlContextTest, ThreadsGetSlotsInOrderAndNumberedWindowClasses) {
  testing::internal::CaptureStdout();
  createSharedContext();
  ASSERT_NE(sharedContext(), nullptr);
  std::vector<std::string> classes;
  std::vector<int> slots;
  for (int i = 0; i < 3; ++i) {
    std::thread([&] {
      AEOpenGLContext* context = threadContext();
      EXPECT_EQ(threadContext(), context) << "a second call on the same thread reuses the context";
      slots.push_back(currentThreadSlot());
      classes.push_back(context->className());
      wglMakeCurrent(nullptr, nullptr);
    }).join();
  }
  const std::string report = testing::internal::GetCapturedStdout();

  EXPECT_EQ(slots, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(suffixOf(sharedContext()->className()), "_0");
  EXPECT_EQ(suffixOf(classes[0]), "_1");
  EXPECT_EQ(suffixOf(classes[1]), "_2");
  EXPECT_EQ(suffixOf(classes[2]), "_3");
  const std::regex name("AEOpenGL_Win_Class[0-9]+_[0-9]+");
  for (const auto& c : classes) EXPECT_TRUE(std::regex_match(c, name)) << c;

  // Four contexts, four reports of six lines each: blank, four labelled values, blank.
  const std::regex block(
      "\nOpenGL Version:  [0-9]+\\.[0-9]+\nOpenGL Vendor:   [^\n]+\nOpenGL Renderer: [^\n]+\n"
      "OpenGL Revision: [0-9]+ \\(gl\\.xml\\)\n\n");
  const auto begin = std::sregex_iterator(report.begin(), report.end(), block);
  EXPECT_EQ(std::distance(begin, std::sregex_iterator()), 4) << report;

#if !defined(_WIN32)
  const int deletedBefore = control::counts().contextsDeleted;
#endif
  destroyAllContexts();
  EXPECT_EQ(sharedContext(), nullptr);
  EXPECT_EQ(wglGetCurrentContext(), nullptr);
#if !defined(_WIN32)
  EXPECT_EQ(control::counts().contextsDeleted - deletedBefore, 4);
  expectNothingLeft();
#endif
}

TEST_F(GlContextTest, TextureOfSharedContextIsUsableInEveryThreadContext) {
  testing::internal::CaptureStdout();
  createSharedContext();
  const uint8_t texels[4 * 4] = {10, 20,  30,  40,  50,  60,  70,  80,
                                 90, 100, 110, 120, 130, 140, 150, 160};
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
  glBindTexture(GL_TEXTURE_2D, 0);
  glFinish();
  wglMakeCurrent(nullptr, nullptr);

  for (int i = 0; i < 3; ++i) {
    std::thread([&] {
      threadContext()->makeCurrent();
      GLuint framebuffer = 0;
      glGenFramebuffers(1, &framebuffer);
      glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
      glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
      EXPECT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), GL_FRAMEBUFFER_COMPLETE);
      uint8_t read[16] = {};
      glReadPixels(0, 0, 2, 2, GL_RGBA, GL_UNSIGNED_BYTE, read);
      EXPECT_EQ(std::vector<uint8_t>(read, read + 16), std::vector<uint8_t>(texels, texels + 16));
      glBindFramebuffer(GL_FRAMEBUFFER, 0);
      glDeleteFramebuffers(1, &framebuffer);
      wglMakeCurrent(nullptr, nullptr);
    }).join();
  }
  sharedContext()->makeCurrent();
  glDeleteTextures(1, &texture);
  testing::internal::GetCapturedStdout();
}

#if !defined(_WIN32)
TEST_F(GlContextTest, DriverWithoutCreateContextExtensionFaults) {
  control::dropCreateContextExtension(true);
  try {
    createSharedContext();
    FAIL() << "no fault";
  } catch (const AESDK_OpenGL_Fault& f) {
    EXPECT_EQ(f.code, 1);
  }
  EXPECT_EQ(sharedContext(), nullptr);
  expectNothingLeft();
}

// Every step of making a context can fail; each failure is the same fault and leaves nothing.
TEST_F(GlContextTest, EveryFailedStepFaultsAndReleasesWhatWasMade) {
  const control::Call calls[] = {
      control::Call::RegisterClassExA,
      control::Call::CreateWindowExA,
      control::Call::GetDC,
      control::Call::ChoosePixelFormat,
      control::Call::SetPixelFormat,
      control::Call::wglCreateContext,
      control::Call::wglMakeCurrent,
      control::Call::wglGetProcAddress,
  };
  testing::internal::CaptureStdout();
  for (control::Call call : calls) {
    control::reset();
    control::failCall(call);
    EXPECT_THROW(createSharedContext(), AESDK_OpenGL_Fault) << static_cast<int>(call);
    EXPECT_EQ(sharedContext(), nullptr);
    expectNothingLeft();
  }
  testing::internal::GetCapturedStdout();
}

TEST_F(GlContextTest, ThreadContextFailureKeepsNoEntryAndTheNextCallRetries) {
  testing::internal::CaptureStdout();
  createSharedContext();
  std::thread([&] {
    control::failCall(control::Call::wglCreateContextAttribsARB);
    EXPECT_THROW(threadContext(), AESDK_OpenGL_Fault);
    const int slot = currentThreadSlot();
    EXPECT_EQ(slot, 0);
    AEOpenGLContext* context = threadContext();
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(currentThreadSlot(), slot);
    wglMakeCurrent(nullptr, nullptr);
  }).join();
  testing::internal::GetCapturedStdout();
  destroyAllContexts();
  expectNothingLeft();
}
#endif  // !defined(_WIN32)
