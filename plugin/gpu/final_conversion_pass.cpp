#include "plugin/gpu/final_conversion_pass.h"

#include "glsl/final_conversion_frag.h"
#include "glsl/quad_vert.h"
#include "plugin/gpu/fullscreen_quad.h"

using namespace gl33core;

namespace Kestrix::Bevel {

FinalConversionPass::FinalConversionPass() : shader_(glsl::quad_vert, glsl::final_conversion_frag) {
  shader_.bindAttribute("position", 0);
  shader_.bindAttribute("input_uv", 1);
}

void FinalConversionPass::draw(GLuint texture, float multiplier) {
  shader_.use();
  quad_.bind();
  shader_.enableAttribute3(0, 0, kQuadStride);
  shader_.enableAttribute2(1, kQuadUvOffset, kQuadStride);
  shader_.setTexture("videoTexture", GL_TEXTURE_2D, texture, 0);
  shader_.setFloat("multiplier16bit", multiplier);
  glDrawArrays(GL_TRIANGLES, 0, kQuadVertexCount);
  shader_.disableAttribute(0);
  shader_.disableAttribute(1);
  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
}

}  // namespace Kestrix::Bevel
