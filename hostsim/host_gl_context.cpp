#include "hostsim/host_gl_context.h"

#include <stdexcept>
#include <string>

namespace ostra::hostsim {
namespace {

// One Host lives at a time, so one class name serves them all.
constexpr const char* kClassName = "OstraHostSimGLWindow";

[[noreturn]] void fail(const char* call) {
  throw std::runtime_error(std::string("host GL context: ") + call + " failed");
}

}  // namespace

HostGLContext::HostGLContext() {
  try {
    instance_ = GetModuleHandleA(nullptr);

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance_;
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExA(&windowClass) == 0) fail("RegisterClassExA");
    classRegistered_ = true;

    // Never shown: the window exists only to carry a pixel format and a device context.
    window_ = CreateWindowExA(0, kClassName, "hostsim", 0, 0, 0, 16, 16, nullptr, nullptr,
                              instance_, nullptr);
    if (window_ == nullptr) fail("CreateWindowExA");
    dc_ = GetDC(window_);
    if (dc_ == nullptr) fail("GetDC");

    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof(format);
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 32;
    format.cDepthBits = 16;
    format.iLayerType = PFD_MAIN_PLANE;
    const int chosen = ChoosePixelFormat(dc_, &format);
    if (chosen == 0) fail("ChoosePixelFormat");
    if (!SetPixelFormat(dc_, chosen, &format)) fail("SetPixelFormat");

    context_ = wglCreateContext(dc_);
    if (context_ == nullptr) fail("wglCreateContext");
  } catch (...) {
    release();
    throw;
  }
}

HostGLContext::~HostGLContext() { release(); }

// Each handle is released once, newest first, and forgotten.
void HostGLContext::release() {
  if (context_ != nullptr) {
    if (wglGetCurrentContext() == context_) wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(context_);
    context_ = nullptr;
  }
  if (dc_ != nullptr) {
    ReleaseDC(window_, dc_);
    dc_ = nullptr;
  }
  if (window_ != nullptr) {
    DestroyWindow(window_);
    window_ = nullptr;
  }
  if (classRegistered_) {
    UnregisterClassA(kClassName, instance_);
    classRegistered_ = false;
  }
}

}  // namespace ostra::hostsim
