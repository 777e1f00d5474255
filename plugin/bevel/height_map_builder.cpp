#include "plugin/bevel/height_map_builder.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "glsl/height_frag.h"
#include "glsl/jump_flood_frag.h"
#include "glsl/quad_vert.h"
#include "glsl/seed_frag.h"
#include "glsl/side_frag.h"
#include "plugin/bevel/pass_levels.h"
#include "plugin/gpu/fullscreen_quad.h"
#include "plugin/gpu/render_frame.h"

using namespace gl33core;

namespace Kestrix::Bevel {
namespace {

// Bevel End 0 would make the height pass divide by zero. A tiny positive limit keeps every
// height finite: a zero-width bevel becomes a step at the shape's edge.
constexpr double kSmallestDistanceLimit = 1.0 / 1024.0;
// An endless bevel (Bevel End at infinity, or past what a float holds) would hand the height
// pass an infinite limit; the largest float gives the same flat heights and stays finite.
constexpr double kLargestDistanceLimit = std::numeric_limits<float>::max();

std::unique_ptr<OpenglShader> makePass(const char* fragmentText) {
  auto program = std::make_unique<OpenglShader>(glsl::quad_vert, fragmentText);
  program->bindAttribute("position", 0);
  program->bindAttribute("input_uv", 1);
  return program;
}

}  // namespace

HeightMapBuilder::HeightMapBuilder()
    : seedProgram_(makePass(glsl::seed_frag)),
      jumpFloodProgram_(makePass(glsl::jump_flood_frag)),
      heightProgram_(makePass(glsl::height_frag)),
      blur_(std::make_unique<GaussianBlur>()),
      sideProgram_(makePass(glsl::side_frag)) {}

HeightMapBuilder::~HeightMapBuilder() {
  quad_.release();
  if (textures_[0] != 0) glDeleteTextures(3, textures_);
  seedProgram_.reset();
  jumpFloodProgram_.reset();
  heightProgram_.reset();
  sideProgram_.reset();
  blur_.reset();
}

void HeightMapBuilder::ensureTextures(const double (&size)[2], const int32_t (&reduced)[2]) {
  if (textures_[0] != 0 && reduced[0] == mapSize_[0] && reduced[1] == mapSize_[1]) return;
  if (textures_[0] != 0) glDeleteTextures(3, textures_);
  for (GLuint& texture : textures_) texture = renderFrame().createTexture(size, true, false);
  mapSize_[0] = reduced[0];
  mapSize_[1] = reduced[1];
}

template <typename SetUniforms>
void HeightMapBuilder::drawPass(OpenglShader& program, GLuint target, GLuint source,
                                const double (&size)[2], SetUniforms setUniforms) {
  RenderFrame& frame = renderFrame();
  frame.beginRenderToTexture(target, size, 0);
  program.use();
  program.enableAttribute3(0, 0, kQuadStride);
  program.enableAttribute2(1, kQuadUvOffset, kQuadStride);
  setUniforms(program);
  program.setTexture("t0", GL_TEXTURE_2D, source, 0);
  glDrawArrays(GL_TRIANGLES, 0, kQuadVertexCount);
  program.disableAttribute(0);
  program.disableAttribute(1);
  frame.endRenderToTexture();
}

void HeightMapBuilder::build(GLuint inputTexture, const double (&viewSize)[2], int32_t qualityScale,
                             int32_t levels, double bevelEnd, double smooth, double extrude,
                             const double* extrudeCenter) {
  current_ = 0;
  qualityScale_ = limitQualityScale(qualityScale);
  distanceLimit_ = bevelEnd / qualityScale_;
  if (!(distanceLimit_ >= kSmallestDistanceLimit)) distanceLimit_ = kSmallestDistanceLimit;
  distanceLimit_ = std::min(distanceLimit_, kLargestDistanceLimit);

  const std::array<int32_t, 2> reduced = reducedSize(viewSize[0], viewSize[1], qualityScale_);
  const int32_t reducedInts[2] = {reduced[0], reduced[1]};
  const double size[2] = {static_cast<double>(reduced[0]), static_cast<double>(reduced[1])};
  ensureTextures(size, reducedInts);
  quad_.bind();
  PassTimer& timer = renderFrame().passTimer();

  {
    PassTimer::Scope timed(timer, Pass::Seed);
    drawPass(*seedProgram_, textures_[current_], inputTexture, size, [](OpenglShader&) {});
  }
  current_ = 1 - current_;

  std::optional<PassTimer::Scope> jumpFloodTime(std::in_place, timer, Pass::JumpFlood);
  for (int32_t k = 0; k <= levels; ++k) {
    drawPass(*jumpFloodProgram_, textures_[current_], textures_[1 - current_], size,
             [&](OpenglShader& program) {
               program.setFloat("level", static_cast<float>(k));
               program.setFloat("maxLevel", static_cast<float>(levels));
               program.setVec2("viewSize", size[0], size[1]);
             });
    current_ = 1 - current_;
  }
  jumpFloodTime.reset();

  {
    PassTimer::Scope timed(timer, Pass::Height);
    drawPass(*heightProgram_, textures_[current_], textures_[1 - current_], size,
             [&](OpenglShader& program) {
               program.setVec2("mapSize", size[0], size[1]);
               program.setFloat("distLimit", static_cast<float>(distanceLimit_));
             });
  }
  current_ = 1 - current_;

  if (smooth >= 1.0) {
    PassTimer::Scope timed(timer, Pass::Blur);
    blur_->setSigma(smooth);
    blur_->run(quad_.bind(), quad_.vertexBuffer(), size, textures_[1 - current_],
               textures_[current_]);
    current_ = 1 - current_;
  }

  if (extrude >= 1.0) {
    quad_.bind();  // the side pass must not rely on what the blur left bound
    PassTimer::Scope timed(timer, Pass::Side);
    drawPass(*sideProgram_, textures_[2], textures_[1 - current_], size,
             [&](OpenglShader& program) {
               program.setVec2("mapSize", size[0], size[1]);
               program.setVec2("center", extrudeCenter[0], extrudeCenter[1]);
               program.setFloat("extrude", static_cast<float>(extrude));
             });
  }

  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
}

}  // namespace Kestrix::Bevel
