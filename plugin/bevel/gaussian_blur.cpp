#include "plugin/bevel/gaussian_blur.h"

#include <cmath>

#include "plugin/bevel/blur_text.h"
#include "plugin/gpu/fullscreen_quad.h"
#include "plugin/gpu/render_frame.h"

using namespace gl33core;

namespace Kestrix::Bevel {
namespace {

// One pass into the bound target: `source` read along (offsetX, offsetY) texels. The caller's
// vertex array and buffer stay bound.
void drawPass(OpenglShader& program, GLuint vertexArray, GLuint vertexBuffer,
              const double (&viewSize)[2], double offsetX, double offsetY, GLuint source) {
  program.use();
  glBindVertexArray(vertexArray);
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
  program.enableAttribute2(0, 0, kQuadStride);
  program.enableAttribute2(1, kQuadUvOffset, kQuadStride);
  program.setVec2("viewSize", viewSize[0], viewSize[1]);
  program.setVec2("texelOffset", offsetX, offsetY);
  program.setTexture("videoTexture", GL_TEXTURE_2D, source, 0);
  glDrawArrays(GL_TRIANGLES, 0, kQuadVertexCount);
  program.disableAttribute(0);
  program.disableAttribute(1);
}

}  // namespace

int32_t blurSampleRadius(double sigma) {
  const double s = sigma * sigma;
  const double n =
      std::floor(std::sqrt(std::log(std::sqrt(s * 6.2831853) * 0.00390625) * (s * -2.0)));
  // Blurs so wide that the density never reaches 1/256 have no radius by this rule.
  if (!(n >= 0.0)) return 0;
  const auto radius = static_cast<int32_t>(n);
  return radius % 2 == 0 ? radius : radius + 1;
}

GaussianBlur::GaussianBlur() = default;

GaussianBlur::~GaussianBlur() = default;

void GaussianBlur::setSigma(double x) {
  const double size = std::round(x);
  if (size == requestedSize_) return;
  requestedSize_ = size;
  sigma_ = size;
  sampleRadius_ = blurSampleRadius(size);
  dirty_ = true;
}

std::string GaussianBlur::vertexShaderText() const {
  return blurVertexShaderText(sigma_, sampleRadius_);
}

std::string GaussianBlur::fragmentShaderText() const {
  return blurFragmentShaderText(sigma_, sampleRadius_);
}

void GaussianBlur::run(GLuint vertexArray, GLuint vertexBuffer, const double (&viewSize)[2],
                       GLuint source, GLuint destination) {
  viewSize_[0] = viewSize[0];
  viewSize_[1] = viewSize[1];
  if (dirty_) {
    program_.reset();
    program_ = std::make_unique<OpenglShader>(vertexShaderText(), fragmentShaderText());
    program_->bindAttribute("position", 0);
    program_->bindAttribute("input_uv", 1);
    dirty_ = false;
  }
  RenderFrame& frame = renderFrame();
  const GLuint intermediate = frame.createTexture(viewSize_, true, false);

  frame.beginRenderToTexture(intermediate, viewSize_, 0);
  drawPass(*program_, vertexArray, vertexBuffer, viewSize_, 0.0, 1.0, source);
  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  frame.endRenderToTexture();

  frame.beginRenderToTexture(destination, viewSize_, 0);
  drawPass(*program_, vertexArray, vertexBuffer, viewSize_, 1.0, 0.0, intermediate);
  glDeleteTextures(1, &intermediate);
  frame.endRenderToTexture();
}

}  // namespace Kestrix::Bevel
