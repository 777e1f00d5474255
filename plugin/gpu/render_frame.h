// The process-wide frame a Render draws into, at the input layer's size: a stack of
// multisampled colour targets, empty float textures, drawing into a texture, and the final
// conversion into the host's channel order.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "plugin/gpu/final_conversion_pass.h"
#include "plugin/gpu/pass_timer.h"
#include "plugin/gpu/per_context.h"

namespace Kestrix::Bevel {

class RenderFrame {
 public:
  RenderFrame();
  RenderFrame(const RenderFrame&) = delete;
  RenderFrame& operator=(const RenderFrame&) = delete;

  void resize(int32_t width, int32_t height, bool multisample);
  void beginFrame(bool withDepth, bool withStencil);
  gl::GLuint createTexture(const double (&size)[2], bool linear, bool mipmap);
  void beginRenderToTexture(gl::GLuint texture, const double (&size)[2], int32_t level);
  void endRenderToTexture();
  gl::GLuint popTargetToTexture();
  void convertToOutput(float multiplier);
  void releaseGpuObjects();

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  size_t targetCount() const { return targets_.size(); }
  PassTimer& passTimer() { return passTimer_; }

 private:
  // Framebuffers are not shared between contexts: each context gets its own set, made for the
  // frame's size and made again when the size changes.
  struct Framebuffers {
    gl::GLuint resolve = 0;
    gl::GLuint output = 0;
    gl::GLuint multisample = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool multisampled = false;
    void create() {}
    void destroy();
  };

  Framebuffers& framebuffers();
  void releaseRenderbuffers();
  void pushTarget();
  void attachTopTarget();

  gl::GLuint outputRenderbuffer_ = 0;
  gl::GLuint renderTextureFramebuffer_ = 0;  // between beginRenderToTexture and its end
  bool multisampled_ = true;
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<gl::GLuint> targets_;
  std::unique_ptr<FinalConversionPass> finalConversionPass_;
  PerContext<Framebuffers> framebuffers_;
  PassTimer passTimer_;
};

RenderFrame& renderFrame();

}  // namespace Kestrix::Bevel
