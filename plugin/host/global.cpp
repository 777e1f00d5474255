#include "plugin/bevel/bevel_renderer.h"
#include "plugin/gpu/gl_context.h"
#include "plugin/gpu/host_context_guard.h"
#include "plugin/gpu/render_frame.h"
#include "plugin/host/commands.h"
#include "plugin/host/effect_identity.h"

namespace Kestrix::Bevel {

PF_Err HandleGlobalSetup(PF_InData* in_data, PF_OutData* out_data) {
  (void)in_data;
  out_data->my_version = kVersionWord;
  out_data->out_flags = kGlobalOutFlags;
  out_data->out_flags2 = kGlobalOutFlags2;

  HostGLContextGuard guard;
  createSharedContext();
  guard.restore();
  return PF_Err_NONE;
}

PF_Err HandleGlobalSetdown(PF_InData* in_data, PF_OutData* out_data) {
  (void)in_data;
  (void)out_data;
  HostGLContextGuard guard;
  // Without a shared context (Global Setup failed to make it) nothing on the GPU can be released,
  // since no context can be made current; the contexts themselves still go.
  if (AEOpenGLContext* shared = sharedContext()) {
    shared->makeCurrent();
    renderFrame().releaseGpuObjects();
    destroyBevelRenderer();
  }
  destroyAllContexts();
  guard.restore();
  return PF_Err_NONE;
}

}  // namespace Kestrix::Bevel
