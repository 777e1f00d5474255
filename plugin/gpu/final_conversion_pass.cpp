#include "plugin/gpu/final_conversion_pass.h"

#include "glsl/final_conversion_frag.h"
#include "glsl/final_conversion_vert.h"
#include "plugin/gpu/fullscreen_quad.h"

using namespace gl33core;

namespace Kestrix::Bevel {

void FinalConversionPass::VertexArray::create() { glGenVertexArrays(1, &name); }

void FinalConversionPass::VertexArray::destroy() {
  if (name != 0) glDeleteVertexArrays(1, &name);
  name = 0;
}

FinalConversionPass::FinalConversionPass()
    : shader_(glsl::final_conversion_vert, glsl::final_conversion_frag) {
  shader_.bindAttribute("position", 0);
  shader_.bindAttribute("input_uv", 1);
}

FinalConversionPass::~FinalConversionPass() {
  vertexArray_.release();
  if (vertexBuffer_ != 0) glDeleteBuffers(1, &vertexBuffer_);
}

void FinalConversionPass::draw(GLuint texture, float multiplier) {
  const GLuint vertexArray = vertexArray_.current().name;
  glBindVertexArray(vertexArray);
  if (vertexBuffer_ == 0) {
    glGenBuffers(1, &vertexBuffer_);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    glBufferData(GL_ARRAY_BUFFER, sizeof kQuadVertices, kQuadVertices, GL_STATIC_DRAW);
  }
  shader_.use();
  glBindVertexArray(vertexArray);
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
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
