// The Linux platform layer: the Win32/WGL behaviour the plug-in and the host simulator rely on,
// over real EGL contexts (llvmpipe). On Windows these calls are the system's: nothing to test.
#if !defined(_WIN32)

#include <glbinding/Binding.h>
#include <glbinding/gl/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <semaphore>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/control.h"
#include "platform/win32.h"

namespace {

namespace control = ostra::platform;
using control::Call;

void useGl() {
  glbinding::Binding::initialize(false);
  glbinding::Binding::useCurrentContext();
}

int profileMask() {
  gl::GLint mask = 0;
  gl::glGetIntegerv(gl::GL_CONTEXT_PROFILE_MASK, &mask);
  return mask;
}

constexpr int kCoreBit = static_cast<int>(gl::GL_CONTEXT_CORE_PROFILE_BIT);
constexpr int kCompatibilityBit = static_cast<int>(gl::GL_CONTEXT_COMPATIBILITY_PROFILE_BIT);
constexpr int kProfileMaskArb = 0x9126;

template <class Function>
Function proc(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
}

std::string uniqueClassName() {
  static int next = 0;
  return "PlatformTestClass" + std::to_string(next++);
}

ATOM registerClass(const std::string& name) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(WNDCLASSEXA);
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = name.c_str();
  return RegisterClassExA(&windowClass);
}

HWND createWindow(const std::string& className) {
  return CreateWindowExA(0, className.c_str(), "test", 0, 0, 0, 8, 8, nullptr, nullptr, nullptr,
                         nullptr);
}

PIXELFORMATDESCRIPTOR openGlFormat() {
  PIXELFORMATDESCRIPTOR descriptor{};
  descriptor.nSize = sizeof(PIXELFORMATDESCRIPTOR);
  descriptor.nVersion = 1;
  descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
  descriptor.cColorBits = 32;
  descriptor.cDepthBits = 8;
  return descriptor;
}

// A hidden window with its device context and pixel format, the way the plug-in makes one.
class Surface {
 public:
  Surface() : className_(uniqueClassName()) {
    registerClass(className_);
    window_ = createWindow(className_);
    dc_ = GetDC(window_);
    const PIXELFORMATDESCRIPTOR descriptor = openGlFormat();
    SetPixelFormat(dc_, ChoosePixelFormat(dc_, &descriptor), &descriptor);
  }
  ~Surface() {
    ReleaseDC(window_, dc_);
    DestroyWindow(window_);
    UnregisterClassA(className_.c_str(), nullptr);
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  const std::string& className() const { return className_; }
  HWND window() const { return window_; }
  HDC dc() const { return dc_; }

 private:
  std::string className_;
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

class PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override { control::reset(); }
  void TearDown() override {
    wglMakeCurrent(nullptr, nullptr);
    control::reset();
  }
};

class PlatformGLTest : public PlatformTest {};

TEST_F(PlatformTest, ClassOutlivesItsWindowsAndWindowsTakeTheirDCs) {
  const control::Counts before = control::counts();
  const std::string name = uniqueClassName();
  ASSERT_NE(registerClass(name), 0);
  EXPECT_EQ(registerClass(name), 0) << "a name registers once";
  const HWND window = createWindow(name);
  ASSERT_NE(window, nullptr);
  const HDC dc = GetDC(window);
  ASSERT_NE(dc, nullptr);

  EXPECT_FALSE(UnregisterClassA(name.c_str(), nullptr)) << "a window of the class lives";
  EXPECT_EQ(control::counts().liveClasses, before.liveClasses + 1);
  EXPECT_TRUE(DestroyWindow(window));
  EXPECT_EQ(ReleaseDC(window, dc), 0) << "the DC went with its window";
  EXPECT_TRUE(UnregisterClassA(name.c_str(), nullptr));
  EXPECT_FALSE(UnregisterClassA(name.c_str(), nullptr));
  EXPECT_EQ(createWindow(name), nullptr) << "no window of an unregistered class";

  const control::Counts after = control::counts();
  EXPECT_EQ(after.liveClasses, before.liveClasses);
  EXPECT_EQ(after.liveWindows, before.liveWindows);
  for (const std::string& live : control::liveClassNames()) EXPECT_NE(live, name);
}

TEST_F(PlatformTest, ShellExecuteIsRecordedNotLaunched) {
  const HINSTANCE result =
      ShellExecuteA(nullptr, "open", "https://example.com/help", nullptr, nullptr, SW_SHOW);
  EXPECT_GT(reinterpret_cast<intptr_t>(result), 32);
  ShellExecuteA(nullptr, nullptr, "a.txt", "-x", "/tmp", 0);

  const std::vector<control::ShellCall> calls = control::shellCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].operation, "open");
  EXPECT_EQ(calls[0].file, "https://example.com/help");
  EXPECT_EQ(calls[0].parameters, "");
  EXPECT_EQ(calls[0].directory, "");
  EXPECT_EQ(calls[0].showCommand, SW_SHOW);
  EXPECT_EQ(calls[1].operation, "");
  EXPECT_EQ(calls[1].parameters, "-x");
  EXPECT_EQ(calls[1].directory, "/tmp");

  control::reset();
  EXPECT_TRUE(control::shellCalls().empty());
}

TEST_F(PlatformGLTest, PlainContextBecomesCurrentAndIsReported) {
  const control::Counts before = control::counts();
  Surface surface;
  const HDC bareDc = GetDC(surface.window());
  // The format is on the window, so every DC of it can make a context; a window without
  // one cannot.
  Surface other;
  const HWND noFormatWindow = createWindow(other.className());
  const HDC noFormatDc = GetDC(noFormatWindow);
  EXPECT_EQ(wglCreateContext(noFormatDc), nullptr);
  DestroyWindow(noFormatWindow);

  const HGLRC context = wglCreateContext(bareDc);
  ASSERT_NE(context, nullptr);
  EXPECT_EQ(wglGetCurrentContext(), nullptr);
  ASSERT_TRUE(wglMakeCurrent(surface.dc(), context));
  EXPECT_EQ(wglGetCurrentContext(), context);
  EXPECT_EQ(wglGetCurrentDC(), surface.dc());
  useGl();
  EXPECT_EQ(profileMask() & kCompatibilityBit, kCompatibilityBit);

  EXPECT_TRUE(wglMakeCurrent(nullptr, nullptr));
  EXPECT_EQ(wglGetCurrentContext(), nullptr);
  EXPECT_EQ(wglGetCurrentDC(), nullptr);
  EXPECT_TRUE(wglDeleteContext(context));
  EXPECT_FALSE(wglDeleteContext(context));
  ReleaseDC(surface.window(), bareDc);

  const control::Counts after = control::counts();
  EXPECT_EQ(after.liveContexts, before.liveContexts);
  EXPECT_EQ(after.contextsCreated, before.contextsCreated + 1);
  EXPECT_EQ(after.contextsDeleted, before.contextsDeleted + 1);
  EXPECT_EQ(after.makeCurrentCalls, before.makeCurrentCalls + 2);
}

TEST_F(PlatformGLTest, SharedContextSeesTexturesOnAnotherThread) {
  Surface surface;
  const HGLRC first = wglCreateContext(surface.dc());
  ASSERT_TRUE(wglMakeCurrent(surface.dc(), first));
  useGl();
  const std::array<gl::GLubyte, 16> texels = {1,  2,  3,  4,  50,  60,  70,  80,
                                              90, 91, 92, 93, 200, 210, 220, 255};
  gl::GLuint texture = 0;
  gl::glGenTextures(1, &texture);
  gl::glBindTexture(gl::GL_TEXTURE_2D, texture);
  gl::glTexImage2D(gl::GL_TEXTURE_2D, 0, gl::GL_RGBA8, 2, 2, 0, gl::GL_RGBA, gl::GL_UNSIGNED_BYTE,
                   texels.data());
  gl::glFinish();

  const auto createWithAttribs =
      proc<OstraWglCreateContextAttribsARB>("wglCreateContextAttribsARB");
  ASSERT_NE(createWithAttribs, nullptr);
  const int attributes[] = {OSTRA_WGL_CONTEXT_MAJOR_VERSION_ARB, 3,
                            OSTRA_WGL_CONTEXT_MINOR_VERSION_ARB, 3, 0};
  const HGLRC second = createWithAttribs(surface.dc(), first, attributes);
  const HGLRC alone = createWithAttribs(surface.dc(), nullptr, attributes);
  ASSERT_NE(second, nullptr);
  ASSERT_NE(alone, nullptr);
  EXPECT_TRUE(wglShareLists(first, second));
  EXPECT_FALSE(wglShareLists(first, alone)) << "EGL cannot share after creation";

  std::thread([&] {
    ASSERT_TRUE(wglMakeCurrent(surface.dc(), second));
    useGl();
    EXPECT_EQ(profileMask() & kCoreBit, kCoreBit) << "3.3 with no profile asked is core";
    EXPECT_TRUE(gl::glIsTexture(texture));
    std::array<gl::GLubyte, 16> read{};
    gl::glBindTexture(gl::GL_TEXTURE_2D, texture);
    gl::glGetTexImage(gl::GL_TEXTURE_2D, 0, gl::GL_RGBA, gl::GL_UNSIGNED_BYTE, read.data());
    EXPECT_EQ(read, texels);
    EXPECT_TRUE(wglMakeCurrent(nullptr, nullptr));
  }).join();

  gl::glDeleteTextures(1, &texture);
  EXPECT_TRUE(wglDeleteContext(alone));
  EXPECT_TRUE(wglDeleteContext(second));
  EXPECT_TRUE(wglDeleteContext(first));
}

TEST_F(PlatformGLTest, AttributesChooseTheProfile) {
  constexpr int kMajor = OSTRA_WGL_CONTEXT_MAJOR_VERSION_ARB;
  constexpr int kMinor = OSTRA_WGL_CONTEXT_MINOR_VERSION_ARB;
  struct Case {
    const char* name;
    std::vector<int> attributes;
    int profileBit;  // 0: the context is refused
  };
  const Case cases[] = {
      {"core asked", {kMajor, 3, kMinor, 3, kProfileMaskArb, 1, 0}, kCoreBit},
      {"compatibility asked", {kMajor, 3, kMinor, 3, kProfileMaskArb, 2, 0}, kCompatibilityBit},
      {"unknown profile", {kMajor, 3, kMinor, 3, kProfileMaskArb, 4, 0}, 0},
      {"unknown attribute", {kMajor, 3, 0x1234, 1, 0}, 0},
  };
  Surface surface;
  const HGLRC plain = wglCreateContext(surface.dc());
  ASSERT_TRUE(wglMakeCurrent(surface.dc(), plain));
  const auto createWithAttribs =
      proc<OstraWglCreateContextAttribsARB>("wglCreateContextAttribsARB");
  ASSERT_NE(createWithAttribs, nullptr);

  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const HGLRC context = createWithAttribs(surface.dc(), nullptr, c.attributes.data());
    if (c.profileBit == 0) {
      EXPECT_EQ(context, nullptr);
      continue;
    }
    ASSERT_NE(context, nullptr);
    ASSERT_TRUE(wglMakeCurrent(surface.dc(), context));
    useGl();
    EXPECT_EQ(profileMask() & (kCoreBit | kCompatibilityBit), c.profileBit);
    EXPECT_TRUE(wglDeleteContext(context)) << "deleting the current context releases it";
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
  }
  EXPECT_TRUE(wglDeleteContext(plain));
}

TEST_F(PlatformGLTest, EveryCallFailsOnceWhenInjected) {
  Surface surface;
  const HGLRC context = wglCreateContext(surface.dc());
  ASSERT_TRUE(wglMakeCurrent(surface.dc(), context));
  const auto createWithAttribs =
      proc<OstraWglCreateContextAttribsARB>("wglCreateContextAttribsARB");
  ASSERT_NE(createWithAttribs, nullptr);
  const PIXELFORMATDESCRIPTOR descriptor = openGlFormat();

  // Each attempt makes the call and undoes what a success made.
  struct Case {
    Call call;
    std::function<bool()> attempt;
  };
  const Case cases[] = {
      {Call::RegisterClassExA,
       [] {
         const std::string name = uniqueClassName();
         return registerClass(name) != 0 && UnregisterClassA(name.c_str(), nullptr);
       }},
      {Call::CreateWindowExA,
       [&] {
         const HWND window = createWindow(surface.className());
         return window != nullptr && DestroyWindow(window);
       }},
      {Call::GetDC,
       [&] {
         const HDC dc = GetDC(surface.window());
         return dc != nullptr && ReleaseDC(surface.window(), dc) == 1;
       }},
      {Call::ChoosePixelFormat, [&] { return ChoosePixelFormat(surface.dc(), &descriptor) != 0; }},
      {Call::SetPixelFormat, [&] { return SetPixelFormat(surface.dc(), 1, &descriptor) == TRUE; }},
      {Call::wglCreateContext,
       [&] {
         const HGLRC made = wglCreateContext(surface.dc());
         return made != nullptr && wglDeleteContext(made);
       }},
      {Call::wglCreateContextAttribsARB,
       [&] {
         const int attributes[] = {OSTRA_WGL_CONTEXT_MAJOR_VERSION_ARB, 3,
                                   OSTRA_WGL_CONTEXT_MINOR_VERSION_ARB, 3, 0};
         const HGLRC made = createWithAttribs(surface.dc(), nullptr, attributes);
         return made != nullptr && wglDeleteContext(made);
       }},
      {Call::wglMakeCurrent,
       [&] {
         const bool made = wglMakeCurrent(surface.dc(), context);
         return made && wglGetCurrentContext() == context;
       }},
      {Call::wglShareLists, [&] { return wglShareLists(context, context) == TRUE; }},
      {Call::wglGetProcAddress,
       [] { return wglGetProcAddress("wglGetExtensionsStringARB") != nullptr; }},
  };
  std::set<Call> covered;
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.call));
    covered.insert(c.call);
    control::failCall(c.call, 1);
    EXPECT_TRUE(c.attempt()) << "the skipped call";
    EXPECT_FALSE(c.attempt()) << "the injected failure";
    EXPECT_TRUE(c.attempt()) << "failures are one-shot";
  }
  EXPECT_EQ(covered.size(), static_cast<std::size_t>(Call::wglGetProcAddress) + 1);
  EXPECT_EQ(wglGetCurrentContext(), context) << "a failed make-current changes nothing";
  EXPECT_TRUE(wglDeleteContext(context));
}

TEST_F(PlatformGLTest, ContextCurrentOnAnotherThreadCannotBeTakenOrDeleted) {
  Surface surface;
  const HGLRC mine = wglCreateContext(surface.dc());
  const HGLRC theirs = wglCreateContext(surface.dc());
  ASSERT_TRUE(wglMakeCurrent(surface.dc(), mine));
  std::binary_semaphore held{0};
  std::binary_semaphore done{0};
  // The thread ends with its context still current: that must not pin it for good.
  std::thread other([&] {
    EXPECT_TRUE(wglMakeCurrent(surface.dc(), theirs));
    held.release();
    done.acquire();
  });
  held.acquire();
  EXPECT_FALSE(wglDeleteContext(theirs));
  EXPECT_FALSE(wglMakeCurrent(surface.dc(), theirs));
  EXPECT_EQ(wglGetCurrentContext(), mine) << "the failed call left this thread as it was";
  EXPECT_EQ(wglGetCurrentDC(), surface.dc());
  done.release();
  other.join();

  EXPECT_TRUE(wglDeleteContext(theirs));
  EXPECT_TRUE(wglDeleteContext(mine));
  EXPECT_EQ(wglGetCurrentContext(), nullptr);
}

TEST_F(PlatformGLTest, ExtensionStringAndItsDrop) {
  Surface surface;
  EXPECT_EQ(wglGetProcAddress("wglGetExtensionsStringARB"), nullptr) << "no context current";
  const HGLRC context = wglCreateContext(surface.dc());
  ASSERT_TRUE(wglMakeCurrent(surface.dc(), context));
  EXPECT_EQ(wglGetProcAddress("glGenTextures"), nullptr);
  const auto extensions = proc<OstraWglGetExtensionsStringARB>("wglGetExtensionsStringARB");
  ASSERT_NE(extensions, nullptr);

  const auto offered = [&](const char* name) {
    const std::string text = std::string(" ") + extensions(surface.dc()) + " ";
    return text.find(std::string(" ") + name + " ") != std::string::npos;
  };
  EXPECT_TRUE(offered("WGL_ARB_create_context"));
  EXPECT_TRUE(offered("WGL_ARB_create_context_profile"));
  control::dropCreateContextExtension(true);
  // The plug-in searches for the plain substring, so nothing may contain it.
  EXPECT_EQ(std::string(extensions(surface.dc())).find("WGL_ARB_create_context"),
            std::string::npos);
  EXPECT_TRUE(offered("WGL_ARB_extensions_string"));
  control::reset();
  EXPECT_TRUE(offered("WGL_ARB_create_context"));
  EXPECT_TRUE(wglDeleteContext(context));
}

}  // namespace

#endif  // !defined(_WIN32)
