#include "plugin/gpu/size_limits.h"

#include <glbinding/gl33core/gl.h>

#include <algorithm>

using namespace gl33core;

namespace Kestrix::Bevel {
namespace {

GLint integer(GLenum name) {
  GLint value = 0;
  glGetIntegerv(name, &value);
  return value;
}

bool fits(int32_t width, int32_t height, GLint largest) {
  return width <= largest && height <= largest;
}

}  // namespace

bool fitsTexture(int32_t width, int32_t height) {
  return fits(width, height, integer(GL_MAX_TEXTURE_SIZE));
}

bool fitsRenderTarget(int32_t width, int32_t height) {
  GLint viewport[2] = {0, 0};
  glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
  const GLint largest = std::min(
      {integer(GL_MAX_TEXTURE_SIZE), integer(GL_MAX_RENDERBUFFER_SIZE), viewport[0], viewport[1]});
  return fits(width, height, largest);
}

}  // namespace Kestrix::Bevel
