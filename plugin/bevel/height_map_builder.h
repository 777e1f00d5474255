// Turns the input layer's alpha into the reduced-size maps the surface shades: a jump-flood
// distance field, the bevel height map (optionally blurred) and the extrusion side.
#pragma once

#include <glbinding/gl33core/gl.h>
#include <cstdint>
#include <memory>

#include "plugin/bevel/gaussian_blur.h"
#include "plugin/gpu/opengl_shader.h"
#include "plugin/gpu/quad_geometry.h"

namespace Kestrix::Bevel {

class HeightMapBuilder {
 public:
  // Creates the programs without building them: no OpenGL call until the first build().
  HeightMapBuilder();
  // Needs the context that built (or one sharing with it) current, unless nothing was built.
  ~HeightMapBuilder();
  HeightMapBuilder(const HeightMapBuilder&) = delete;
  HeightMapBuilder& operator=(const HeightMapBuilder&) = delete;

  // Seed, levels + 1 jump-flood passes and height at the reduced size, then the blur when
  // smooth >= 1 and the side into S when extrude >= 1. Expects the RenderFrame's top render
  // target bound, and leaves it bound again with the full-size viewport.
  void build(gl::GLuint inputTexture, const double (&viewSize)[2], int32_t qualityScale,
             int32_t levels, double bevelEnd, double smooth, double extrude,
             const double* extrudeCenter);

  // The latest height map (blurred when the blur ran).
  gl::GLuint heightTexture() const { return textures_[1 - current_]; }
  // The side of the last build that ran it; the maps' previous contents otherwise.
  gl::GLuint sideTexture() const { return textures_[2]; }

  int32_t qualityScale() const { return qualityScale_; }
  const int32_t (&mapSize() const)[2] { return mapSize_; }
  double distanceLimit() const { return distanceLimit_; }
  const GaussianBlur& blur() const { return *blur_; }

 private:
  void ensureTextures(const double (&size)[2], const int32_t (&reduced)[2]);
  // Runs `program` over the whole of `target`, `source` on unit 0 as t0; `setUniforms` is
  // called between use() and the draw.
  template <typename SetUniforms>
  void drawPass(OpenglShader& program, gl::GLuint target, gl::GLuint source,
                const double (&size)[2], SetUniforms setUniforms);

  QuadGeometry quad_;  // its vertex array is per context: Renders come from several threads
  std::unique_ptr<OpenglShader> seedProgram_;
  std::unique_ptr<OpenglShader> jumpFloodProgram_;
  std::unique_ptr<OpenglShader> heightProgram_;
  std::unique_ptr<GaussianBlur> blur_;
  std::unique_ptr<OpenglShader> sideProgram_;
  int32_t qualityScale_ = 1;
  int32_t mapSize_[2] = {0, 0};
  double distanceLimit_ = 0;
  gl::GLuint textures_[3] = {0, 0, 0};  // A, B (ping-pong), S (side)
  int32_t current_ = 0;                 // index into A, B of the next ping-pong target
};

}  // namespace Kestrix::Bevel
