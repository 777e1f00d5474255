#include "plugin/gpu/render_frame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <new>

#include "plugin/gpu/texture_filters.h"
#include "plugin/host/host_error.h"

using namespace gl33core;

namespace Kestrix::Bevel {
namespace {

// Zero bytes to start a texture with. A size that cannot be allocated is the host's
// out-of-memory error, not a crash.
std::unique_ptr<uint8_t[]> zeroedStaging(double width, double height) {
  const double bytes = width * height * 4.0;
  if (!(bytes >= 0.0) || bytes > static_cast<double>(std::numeric_limits<size_t>::max() / 2)) {
    throwHostError(PF_Err_OUT_OF_MEMORY);
  }
  std::unique_ptr<uint8_t[]> staging(new (std::nothrow) uint8_t[static_cast<size_t>(bytes)]());
  if (!staging && bytes > 0.0) throwHostError(PF_Err_OUT_OF_MEMORY);
  return staging;
}

// Drivers offer different sample counts (llvmpipe 4); asking for more leaves the target
// incomplete and the frame empty.
GLsizei sampleCount() {
  GLint maxSamples = 0;
  glGetIntegerv(GL_MAX_SAMPLES, &maxSamples);
  return std::max<GLsizei>(1, std::min<GLsizei>(8, maxSamples));
}

void deleteFramebuffer(GLuint& name) {
  if (name != 0) glDeleteFramebuffers(1, &name);
  name = 0;
}

}  // namespace

RenderFrame& renderFrame() {
  static RenderFrame frame;
  return frame;
}

RenderFrame::RenderFrame() : finalConversionPass_(std::make_unique<FinalConversionPass>()) {}

void RenderFrame::Framebuffers::destroy() {
  deleteFramebuffer(resolve);
  deleteFramebuffer(output);
  deleteFramebuffer(multisample);
}

RenderFrame::Framebuffers& RenderFrame::framebuffers() {
  Framebuffers& set = framebuffers_.current();
  if (set.output == 0 || set.width != width_ || set.height != height_ ||
      set.multisampled != multisampled_) {
    set.destroy();
    glGenFramebuffers(1, &set.output);
    if (multisampled_) {
      glGenFramebuffers(1, &set.resolve);
      glGenFramebuffers(1, &set.multisample);
    }
    set.width = width_;
    set.height = height_;
    set.multisampled = multisampled_;
  }
  return set;
}

void RenderFrame::releaseRenderbuffers() {
  if (outputRenderbuffer_ != 0) glDeleteRenderbuffers(1, &outputRenderbuffer_);
  outputRenderbuffer_ = 0;
  for (GLuint& target : targets_) glDeleteRenderbuffers(1, &target);
  targets_.clear();
}

void RenderFrame::resize(int32_t width, int32_t height, bool multisample) {
  if (width == width_ && height == height_ && outputRenderbuffer_ != 0) {
    framebuffers();  // a context that has not drawn this size yet gets its set now
    return;
  }
  releaseRenderbuffers();
  framebuffers_.eraseCurrent();
  width_ = width;
  height_ = height;
  multisampled_ = multisample;
  framebuffers();
  glGenRenderbuffers(1, &outputRenderbuffer_);
  glBindRenderbuffer(GL_RENDERBUFFER, outputRenderbuffer_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA, width, height);
}

void RenderFrame::beginFrame(bool withDepth, bool withStencil) {
  (void)withDepth;
  (void)withStencil;
  glDisable(GL_BLEND);
  if (multisampled_) glEnable(GL_MULTISAMPLE);
  pushTarget();
  glViewport(0, 0, width_, height_);
}

void RenderFrame::pushTarget() {
  GLuint target = 0;
  glGenRenderbuffers(1, &target);
  glBindRenderbuffer(GL_RENDERBUFFER, target);
  glRenderbufferStorageMultisample(GL_RENDERBUFFER, sampleCount(), GL_RGBA, width_, height_);
  const Framebuffers& set = framebuffers();
  glBindFramebuffer(GL_FRAMEBUFFER, set.multisample);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, target);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    std::printf("framebuffer incomplete:%d", static_cast<int>(set.multisample));
    std::fflush(stdout);
  }
  targets_.push_back(target);
  glClearColor(0, 0, 0, 0);
  glClear(GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT);
}

GLuint RenderFrame::createTexture(const double (&size)[2], bool linear, bool mipmap) {
  (void)linear;
  (void)mipmap;
  auto staging = zeroedStaging(size[0], size[1]);
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  setLinearClampedFilters();
  glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(GL_RGBA32F), static_cast<GLsizei>(size[0]),
               static_cast<GLsizei>(size[1]), 0, GL_RGBA, GL_UNSIGNED_BYTE, staging.get());
  glBindTexture(GL_TEXTURE_2D, 0);
  return texture;
}

void RenderFrame::beginRenderToTexture(GLuint texture, const double (&size)[2], int32_t level) {
  GLuint framebuffer = 0;
  glGenFramebuffers(1, &framebuffer);
  renderTextureFramebuffer_ = framebuffer;
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, level);
  // Not cleared: every pass drawn into a texture covers all of it with one quad, blending off,
  // so a clear would only be overwritten, at the cost of a pass of its own on a software
  // renderer.
  glViewport(0, 0, static_cast<GLsizei>(size[0]), static_cast<GLsizei>(size[1]));
}

void RenderFrame::endRenderToTexture() {
  // Kept from beginRenderToTexture rather than asked of the driver, a query at every pass.
  GLuint framebuffer = renderTextureFramebuffer_;
  renderTextureFramebuffer_ = 0;
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, 0, 0);
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDeleteFramebuffers(1, &framebuffer);
  if (targets_.empty()) return;
  attachTopTarget();
  const GLenum drawBuffer = GL_COLOR_ATTACHMENT0;
  glDrawBuffers(1, &drawBuffer);
  glViewport(0, 0, width_, height_);
}

void RenderFrame::attachTopTarget() {
  glBindRenderbuffer(GL_RENDERBUFFER, targets_.back());
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffers().multisample);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, targets_.back());
}

GLuint RenderFrame::popTargetToTexture() {
  if (targets_.empty()) return 0;
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  setLinearClampedFilters();
  // No zeros to start with: the blit below writes every pixel, so a zeroed buffer of the
  // frame's size would only be made, uploaded and overwritten at every frame.
  glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(GL_RGBA), width_, height_, 0, GL_RGBA,
               GL_UNSIGNED_BYTE, nullptr);
  glBindTexture(GL_TEXTURE_2D, 0);

  const Framebuffers& set = framebuffers();
  glBindFramebuffer(GL_READ_FRAMEBUFFER, set.multisample);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, set.resolve);
  glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
  glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT, GL_NEAREST);

  glDeleteRenderbuffers(1, &targets_.back());
  targets_.pop_back();
  if (!targets_.empty()) attachTopTarget();
  return texture;
}

void RenderFrame::convertToOutput(float multiplier) {
  const GLuint texture = popTargetToTexture();
  if (texture == 0) return;
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffers().output);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                            outputRenderbuffer_);
  glDisable(GL_BLEND);
  glDisable(GL_MULTISAMPLE);
  glClear(GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT);
  if (!finalConversionPass_) finalConversionPass_ = std::make_unique<FinalConversionPass>();
  finalConversionPass_->draw(texture, multiplier);
  glDeleteTextures(1, &texture);
}

void RenderFrame::releaseGpuObjects() {
  framebuffers_.release();
  releaseRenderbuffers();
  finalConversionPass_.reset();
}

}  // namespace Kestrix::Bevel
