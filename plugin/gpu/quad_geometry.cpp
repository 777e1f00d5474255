#include "plugin/gpu/quad_geometry.h"

#include <glbinding/gl33core/gl.h>

#include "plugin/gpu/fullscreen_quad.h"

using namespace gl33core;

namespace Kestrix::Bevel {

void QuadGeometry::VertexArray::create() { glGenVertexArrays(1, &name); }

void QuadGeometry::VertexArray::destroy() {
  if (name != 0) glDeleteVertexArrays(1, &name);
  name = 0;
}

QuadGeometry::~QuadGeometry() { release(); }

uint32_t QuadGeometry::bind() {
  const GLuint vertexArray = vertexArray_.current().name;
  glBindVertexArray(vertexArray);
  if (vertexBuffer_ == 0) {
    glGenBuffers(1, &vertexBuffer_);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    glBufferData(GL_ARRAY_BUFFER, sizeof kQuadVertices, kQuadVertices, GL_STATIC_DRAW);
  }
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
  return vertexArray;
}

void QuadGeometry::release() {
  vertexArray_.release();
  if (vertexBuffer_ != 0) glDeleteBuffers(1, &vertexBuffer_);
  vertexBuffer_ = 0;
}

}  // namespace Kestrix::Bevel
