// The plug-in's own OpenGL contexts: one shared context made at Global Setup and one context per
// rendering thread, each on a hidden window of its own, all sharing objects with the shared one.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win32.h"

namespace Kestrix::Bevel {

// Thrown when a context cannot be made; the code is always 1.
struct AESDK_OpenGL_Fault {
  int32_t code = 1;
};

class AEOpenGLContext {
 public:
  // Null makes a plain context that shares with nothing; otherwise the new context shares its
  // objects with `shareWith`. On return the new context is current and the GL binding uses it.
  explicit AEOpenGLContext(AEOpenGLContext* shareWith);
  virtual ~AEOpenGLContext();
  AEOpenGLContext(const AEOpenGLContext&) = delete;
  AEOpenGLContext& operator=(const AEOpenGLContext&) = delete;

  void makeCurrent();

  HDC deviceContext() const { return deviceContext_; }
  HGLRC renderingContext() const { return renderingContext_; }
  const std::string& className() const { return className_; }

 private:
  void makeHiddenWindow();
  void choosePixelFormat();
  void makePlainContext();
  void makeSharingContext(HGLRC other);
  void release();

  HDC deviceContext_ = nullptr;
  HGLRC renderingContext_ = nullptr;
  HWND window_ = nullptr;
  std::string className_;
  bool classRegistered_ = false;
};

void createSharedContext();
AEOpenGLContext* sharedContext();
// The calling thread's context, made on the thread's first call.
AEOpenGLContext* threadContext();
// The calling thread's slot number, -1 before its first threadContext().
int32_t currentThreadSlot();
void destroyAllContexts();

}  // namespace Kestrix::Bevel
