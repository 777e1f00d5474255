#include "plugin/gpu/host_context_guard.h"

namespace Kestrix::Bevel {

HostGLContextGuard::HostGLContextGuard() {
  renderingContext_ = wglGetCurrentContext();
  deviceContext_ = wglGetCurrentDC();
}

HostGLContextGuard::~HostGLContextGuard() { restore(); }

void HostGLContextGuard::restore() {
  if (restored_) return;
  if (wglGetCurrentContext() != renderingContext_ || wglGetCurrentDC() != deviceContext_) {
    wglMakeCurrent(deviceContext_, renderingContext_);
  }
  restored_ = true;
}

}  // namespace Kestrix::Bevel
