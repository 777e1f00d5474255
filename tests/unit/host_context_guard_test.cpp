// The guard puts back whatever the host had current, with at most one switch.
#include <gtest/gtest.h>

#include <cstring>

#include "plugin/gpu/gl_context.h"
#include "plugin/gpu/host_context_guard.h"

// Counting wglMakeCurrent calls takes the Linux platform's control surface; on Windows the tests
// that count are left out.
#if !defined(_WIN32)
#include "platform/control.h"
namespace control = ostra::platform;
#endif

using namespace Kestrix::Bevel;

namespace {

// A context of the host's own, made the way a host would.
struct HostContext {
  HostContext() {
    WNDCLASSEXA wc;
    std::memset(&wc, 0, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "GuardTestHost";
    RegisterClassExA(&wc);
    window = CreateWindowExA(0, "GuardTestHost", "host", 0, 0, 0, 8, 8, nullptr, nullptr, nullptr,
                             nullptr);
    dc = GetDC(window);
    PIXELFORMATDESCRIPTOR pfd;
    std::memset(&pfd, 0, sizeof pfd);
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    SetPixelFormat(dc, ChoosePixelFormat(dc, &pfd), &pfd);
    rc = wglCreateContext(dc);
  }
  ~HostContext() {
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(rc);
    ReleaseDC(window, dc);
    DestroyWindow(window);
    UnregisterClassA("GuardTestHost", nullptr);
  }
  HWND window = nullptr;
  HDC dc = nullptr;
  HGLRC rc = nullptr;
};

class GuardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::internal::CaptureStdout();
    createSharedContext();
    ASSERT_NE(host.rc, nullptr);
  }
  void TearDown() override {
    destroyAllContexts();
    testing::internal::GetCapturedStdout();
  }
  HostContext host;
};

}  // namespace

#if !defined(_WIN32)
TEST_F(GuardTest, RestoresTheHostContextWithOneSwitchEvenWhenCalledTwice) {
  ASSERT_TRUE(wglMakeCurrent(host.dc, host.rc));
  HostGLContextGuard guard;
  sharedContext()->makeCurrent();
  const int before = control::counts().makeCurrentCalls;
  guard.restore();
  guard.restore();
  EXPECT_EQ(control::counts().makeCurrentCalls - before, 1);
  EXPECT_EQ(wglGetCurrentContext(), host.rc);
  EXPECT_EQ(wglGetCurrentDC(), host.dc);
}

TEST_F(GuardTest, MakesNoCallWhenTheHostContextIsStillCurrent) {
  ASSERT_TRUE(wglMakeCurrent(host.dc, host.rc));
  const int before = control::counts().makeCurrentCalls;
  { HostGLContextGuard guard; }
  EXPECT_EQ(control::counts().makeCurrentCalls - before, 0);
}
#endif  // !defined(_WIN32)

TEST_F(GuardTest, HostWithNoContextCurrentHasNoneAfterwards) {
  wglMakeCurrent(nullptr, nullptr);
  {
    HostGLContextGuard guard;
    sharedContext()->makeCurrent();
  }
  EXPECT_EQ(wglGetCurrentContext(), nullptr);
  EXPECT_EQ(wglGetCurrentDC(), nullptr);
}

TEST_F(GuardTest, UnwindingRestoresTheHostContext) {
  ASSERT_TRUE(wglMakeCurrent(host.dc, host.rc));
  try {
    HostGLContextGuard guard;
    sharedContext()->makeCurrent();
    throw 13;
  } catch (int) {
  }
  EXPECT_EQ(wglGetCurrentContext(), host.rc);
}
