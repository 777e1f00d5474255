// Reads a texture's texels back as floats, RGBA, row 0 first, through a framebuffer of its own.
#pragma once

#include <glbinding/gl33core/gl.h>

#include <vector>

namespace ostra::test {

inline std::vector<float> readTextureRgba(gl::GLuint texture, int width, int height) {
  using namespace gl33core;
  GLuint framebuffer = 0;
  glGenFramebuffers(1, &framebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
  std::vector<float> texels(static_cast<size_t>(width * height * 4));
  glReadPixels(0, 0, width, height, GL_RGBA, GL_FLOAT, texels.data());
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDeleteFramebuffers(1, &framebuffer);
  return texels;
}

}  // namespace ostra::test
