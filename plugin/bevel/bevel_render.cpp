#include <glbinding/gl33core/gl.h>

#include "plugin/bevel/bevel_renderer.h"
#include "plugin/bevel/height_map_builder.h"
#include "plugin/bevel/pass_levels.h"
#include "plugin/gpu/render_frame.h"

using namespace gl33core;

namespace Kestrix::Bevel {

void BevelRenderer::render(uint32_t inputTexture, const double (&viewSize)[2]) {
  const int32_t qualityScale = qualityScaleFor(quality);
  const int32_t levels = jumpFloodLevels(bevelEnd, qualityScale);

  glDisable(GL_BLEND);
  heightMapBuilder->build(inputTexture, viewSize, qualityScale, levels, bevelEnd, smooth, extrude,
                          extrudeCenter);

  quad.bind();  // this context's vertex array over the shared quad buffer
  buildSurfaceShader();
  PassTimer::Scope timed(renderFrame().passTimer(), Pass::Surface);
  if (extrude >= 1) {
    drawSurface(heightMapBuilder->sideTexture(), viewSize, 1.0, (1 - extrusionDarken) * 0.5, 0.1,
                0.05);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  }
  drawSurface(heightMapBuilder->heightTexture(), viewSize, gamma, 1.0, 1.0, 1.0);

  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
}

}  // namespace Kestrix::Bevel
