#include "plugin/gpu/gl_context.h"

#include <atomic>
#include <cstring>

#include "plugin/gpu/gl_binding.h"

namespace Kestrix::Bevel {
namespace {

// Numbers hidden-window classes in order of creation; the shared context's window gets 0.
std::atomic<int32_t> windowCounter{0};
// The two WGL extension entry points, looked up when a plain context is made.
std::atomic<OstraWglGetExtensionsStringARB> extensionStringEntry{nullptr};
std::atomic<OstraWglCreateContextAttribsARB> createContextEntry{nullptr};

[[noreturn]] void fault() { throw AESDK_OpenGL_Fault{1}; }

// Extension entry points come back as a generic PROC; going through void(*)() says the cast
// to the real signature is meant.
template <typename Function>
Function lookUp(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
}

}  // namespace

AEOpenGLContext::AEOpenGLContext(AEOpenGLContext* shareWith) {
  className_ = std::to_string(reinterpret_cast<uintptr_t>(this));
  // A failed construction runs no destructor, so whatever was made so far is released here.
  try {
    makeHiddenWindow();
    deviceContext_ = GetDC(window_);
    choosePixelFormat();
    if (shareWith) {
      makeSharingContext(shareWith->renderingContext_);
    } else {
      makePlainContext();
    }
    wglMakeCurrent(deviceContext_, renderingContext_);
    startGlBindingAndReport();
  } catch (...) {
    release();
    throw;
  }
}

AEOpenGLContext::~AEOpenGLContext() { release(); }

void AEOpenGLContext::release() {
  if (renderingContext_) {
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(renderingContext_);
    renderingContext_ = nullptr;
  }
  if (deviceContext_) {
    ReleaseDC(window_, deviceContext_);
    deviceContext_ = nullptr;
  }
  // A class cannot be unregistered while its window exists. Windows destroys a window only for the
  // thread that made it; a window of another thread goes when that thread ends.
  if (window_) {
    DestroyWindow(window_);
    window_ = nullptr;
  }
  if (classRegistered_) {
    UnregisterClassA(className_.c_str(), nullptr);
    classRegistered_ = false;
  }
}

void AEOpenGLContext::makeCurrent() {
  wglMakeCurrent(deviceContext_, renderingContext_);
  useCurrentGlBinding();
}

void AEOpenGLContext::makeHiddenWindow() {
  const int32_t n = windowCounter.load();
  windowCounter.fetch_add(1);
  className_ = "AEOpenGL_Win_Class" + className_ + "_" + std::to_string(n);

  WNDCLASSEXA windowClass;
  std::memset(&windowClass, 0, sizeof windowClass);
  windowClass.cbSize = sizeof(WNDCLASSEXA);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = className_.c_str();
  if (RegisterClassExA(&windowClass) == 0) fault();
  classRegistered_ = true;

  window_ =
      CreateWindowExA(WS_EX_APPWINDOW | WS_EX_WINDOWEDGE, className_.c_str(),
                      "OpenGL-using FBOs in AE", 0, 0, 0, 8, 8, nullptr, nullptr, nullptr, nullptr);
  if (!window_) fault();
}

void AEOpenGLContext::choosePixelFormat() {
  PIXELFORMATDESCRIPTOR descriptor;
  std::memset(&descriptor, 0, sizeof descriptor);
  descriptor.nSize = sizeof(PIXELFORMATDESCRIPTOR);
  descriptor.nVersion = 1;
  descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
  descriptor.iPixelType = PFD_TYPE_RGBA;
  descriptor.cColorBits = 32;
  descriptor.cDepthBits = 8;
  descriptor.iLayerType = PFD_MAIN_PLANE;
  const int format = ChoosePixelFormat(deviceContext_, &descriptor);
  if (format == 0) fault();
  if (!SetPixelFormat(deviceContext_, format, &descriptor)) fault();
}

void AEOpenGLContext::makePlainContext() {
  renderingContext_ = wglCreateContext(deviceContext_);
  if (!renderingContext_ || !wglMakeCurrent(deviceContext_, renderingContext_)) fault();

  auto getExtensions = lookUp<OstraWglGetExtensionsStringARB>("wglGetExtensionsStringARB");
  extensionStringEntry.store(getExtensions);
  if (!getExtensions) fault();
  const char* text = getExtensions(deviceContext_);
  const std::string extensions = text ? text : "";
  if (extensions.find("WGL_ARB_create_context") != std::string::npos) {
    createContextEntry.store(lookUp<OstraWglCreateContextAttribsARB>("wglCreateContextAttribsARB"));
  }
  if (!createContextEntry.load()) fault();
}

void AEOpenGLContext::makeSharingContext(HGLRC other) {
  const OstraWglCreateContextAttribsARB create = createContextEntry.load();
  if (!create) fault();
  // Objects are shared at creation: some drivers (Wine's among them) refuse wglShareLists once
  // the new context has been current, and EGL can share only at creation.
  const int attributes[] = {OSTRA_WGL_CONTEXT_MAJOR_VERSION_ARB, 3,
                            OSTRA_WGL_CONTEXT_MINOR_VERSION_ARB, 3, 0};
  renderingContext_ = create(deviceContext_, other, attributes);
  if (!renderingContext_) fault();
  if (!wglMakeCurrent(deviceContext_, renderingContext_)) fault();
}

}  // namespace Kestrix::Bevel
