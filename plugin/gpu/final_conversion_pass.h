// Turns the renderer's RGBA result into the host's channel order, colour divided by alpha.
#pragma once

#include "plugin/gpu/opengl_shader.h"
#include "plugin/gpu/per_context.h"

namespace Kestrix::Bevel {

class FinalConversionPass {
 public:
  FinalConversionPass();
  ~FinalConversionPass();
  FinalConversionPass(const FinalConversionPass&) = delete;
  FinalConversionPass& operator=(const FinalConversionPass&) = delete;

  void draw(gl::GLuint texture, float multiplier);

 private:
  struct VertexArray {
    gl::GLuint name = 0;
    void create();
    void destroy();
  };

  PerContext<VertexArray> vertexArray_;
  gl::GLuint vertexBuffer_ = 0;
  OpenglShader shader_;
};

}  // namespace Kestrix::Bevel
