// The full-screen quad a pass draws: the shared buffer with its 120 bytes, made once, and a
// vertex array for each context that draws it (vertex arrays are not shared between contexts).
// Free of OpenGL headers, so that owners included by window-system code can hold one.
#pragma once

#include <cstdint>

#include "plugin/gpu/per_context.h"

namespace Kestrix::Bevel {

class QuadGeometry {
 public:
  QuadGeometry() = default;
  ~QuadGeometry();
  QuadGeometry(const QuadGeometry&) = delete;
  QuadGeometry& operator=(const QuadGeometry&) = delete;

  // Binds this context's vertex array and the quad buffer (GL_ARRAY_BUFFER), making them on
  // first use; returns the vertex array.
  uint32_t bind();
  uint32_t vertexBuffer() const { return vertexBuffer_; }
  // Deletes the buffer and the current context's vertex array; makes no call if none exists.
  void release();

 private:
  struct VertexArray {
    uint32_t name = 0;
    void create();
    void destroy();
  };
  PerContext<VertexArray> vertexArray_;
  uint32_t vertexBuffer_ = 0;
};

}  // namespace Kestrix::Bevel
