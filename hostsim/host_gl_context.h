// The host's own OpenGL context on a hidden window, made through the same Win32/WGL calls a
// Windows host makes, so the module always meets a host context it did not create.
#pragma once

#include "platform/win32.h"

namespace ostra::hostsim {

class HostGLContext {
 public:
  // Throws std::runtime_error naming the call that failed; whatever was made is released.
  HostGLContext();
  ~HostGLContext();
  HostGLContext(const HostGLContext&) = delete;
  HostGLContext& operator=(const HostGLContext&) = delete;

  HGLRC context() const { return context_; }
  HDC dc() const { return dc_; }

 private:
  void release();

  HINSTANCE instance_ = nullptr;
  bool classRegistered_ = false;
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
  HGLRC context_ = nullptr;
};

}  // namespace ostra::hostsim
