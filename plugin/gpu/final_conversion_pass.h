// Turns the renderer's RGBA result into the host's channel order, colour divided by alpha.
#pragma once

#include "plugin/gpu/opengl_shader.h"
#include "plugin/gpu/quad_geometry.h"

namespace Kestrix::Bevel {

class FinalConversionPass {
 public:
  FinalConversionPass();
  ~FinalConversionPass() = default;
  FinalConversionPass(const FinalConversionPass&) = delete;
  FinalConversionPass& operator=(const FinalConversionPass&) = delete;

  void draw(gl::GLuint texture, float multiplier);

 private:
  QuadGeometry quad_;
  OpenglShader shader_;
};

}  // namespace Kestrix::Bevel
