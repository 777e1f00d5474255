// Captures the host's current OpenGL device and rendering contexts and makes them current again,
// once, before the command returns.
#pragma once

#include "platform/win32.h"

namespace Kestrix::Bevel {

class HostGLContextGuard {
 public:
  HostGLContextGuard();
  ~HostGLContextGuard();
  HostGLContextGuard(const HostGLContextGuard&) = delete;
  HostGLContextGuard& operator=(const HostGLContextGuard&) = delete;

  void restore();

 private:
  bool restored_ = false;
  HDC deviceContext_ = nullptr;
  HGLRC renderingContext_ = nullptr;
};

}  // namespace Kestrix::Bevel
