#include <glbinding/gl33core/gl.h>

#include "plugin/bevel/bevel_renderer.h"
#include "plugin/gpu/gl_context.h"
#include "plugin/gpu/host_context_guard.h"
#include "plugin/gpu/pixel_transfer.h"
#include "plugin/gpu/render_frame.h"
#include "plugin/gpu/size_limits.h"
#include "plugin/host/commands.h"
#include "plugin/host/host_error.h"
#include "plugin/params/render_settings.h"

using namespace gl33core;

namespace Kestrix::Bevel {
namespace {

// The frame's own textures go on every path out, a failed step included: the input layer's,
// and the Map Layer's, which outlives no frame. On the normal path they go before the host's
// context is current again, since the names are ours and would mean the host's objects there.
class FrameTextures {
 public:
  explicit FrameTextures(BevelRenderer& renderer) : renderer_(renderer) {}
  ~FrameTextures() { release(); }
  FrameTextures(const FrameTextures&) = delete;
  FrameTextures& operator=(const FrameTextures&) = delete;

  void release() {
    if (input != 0) glDeleteTextures(1, &input);
    input = 0;
    releaseMapLayer(renderer_);
  }

  GLuint input = 0;

 private:
  BevelRenderer& renderer_;
};

}  // namespace

PF_Err HandleRender(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                    PF_LayerDef* output) {
  (void)out_data;
  if (params == nullptr || params[0] == nullptr || output == nullptr) {
    throwHostError(PF_Err_BAD_CALLBACK_PARAM);
  }
  // Rendering needs what Global Setup makes; a host that skipped it gets an error, not a
  // context of our own that nothing would release.
  BevelRenderer* renderer = bevelRenderer();
  if (renderer == nullptr || sharedContext() == nullptr) throwHostError(PF_Err_BAD_CALLBACK_PARAM);

  PF_LayerDef* input = &params[0]->u.ld;
  const int32_t width = input->width;
  const int32_t height = input->height;
  if (width <= 0 || height <= 0) return PF_Err_NONE;  // nothing to draw, nothing to copy

  int64_t bytesPerPixel = 4;
  GLenum pixelType = GL_UNSIGNED_BYTE;
  float multiplier = 1.0f;

  HostGLContextGuard guard;
  threadContext()->makeCurrent();
  // Refused before the frame is sized for it: framebuffers the driver cannot make would only
  // raise errors and hand back stale pixels.
  if (!fitsRenderTarget(width, height)) throwHostError(PF_Err_BAD_CALLBACK_PARAM);

  RenderFrame& frame = renderFrame();
  frame.resize(width, height, true);
  frame.beginFrame(false, false);

  PassTimer& timer = frame.passTimer();
  PassTimer::Frame timing(timer);
  FrameTextures textures(*renderer);
  {
    PassTimer::Scope timed(timer, Pass::Upload);
    textures.input = uploadWorld(kFormatArgb8, input, output, in_data, &bytesPerPixel, &pixelType,
                                 &multiplier, false);
  }
  readRenderSettings(*renderer, in_data);
  const double viewSize[2] = {static_cast<double>(width), static_cast<double>(height)};
  renderer->render(textures.input, viewSize);
  glDeleteTextures(1, &textures.input);
  textures.input = 0;

  {
    PassTimer::Scope timed(timer, Pass::Conversion);
    frame.convertToOutput(multiplier);
  }
  {
    PassTimer::Scope timed(timer, Pass::Readback);
    copyToOutput(width, height, input, output, in_data, kFormatArgb8, bytesPerPixel, pixelType);
  }
  timing.complete();
  textures.release();
  guard.restore();
  return PF_Err_NONE;
}

}  // namespace Kestrix::Bevel
