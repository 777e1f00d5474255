#include <glbinding/gl33core/gl.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "plugin/bevel/bevel_renderer.h"
#include "plugin/bevel/surface_text.h"
#include "plugin/gpu/fullscreen_quad.h"
#include "plugin/gpu/opengl_shader.h"

using namespace gl33core;

namespace Kestrix::Bevel {
namespace {

// No NaN or infinity may reach a uniform: whatever the settings hold, the frame stays finite.
double finiteOr(double value, double fallback) { return std::isfinite(value) ? value : fallback; }

}  // namespace

void BevelRenderer::buildSurfaceShader() {
  if (surfaceShader) return;
  surfaceShader = std::make_unique<OpenglShader>(surfaceVertexText(), surfaceFragmentText(mapType));
  surfaceShader->bindAttribute("position", 0);
  surfaceShader->bindAttribute("input_uv", 1);
}

void BevelRenderer::drawSurface(uint32_t heightMap, const double (&viewSize)[2],
                                double gammaDivisor, double strengthScale, double edgeClipScale,
                                double edgeFeatherScale) {
  OpenglShader& s = *surfaceShader;
  const double w = viewSize[0];
  const double h = viewSize[1];
  // A finite double past a float's range would still arrive as infinity.
  const auto f = [](double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(finiteOr(value, 0.0), -kLargest, kLargest));
  };
  const auto setPoint = [&](const char* name, const double(&p)[2], double z) {
    s.setVec3(name, f(p[0] / w), f(p[1] / h), f(z));
  };
  const auto setColor = [&](const char* name, const double(&c)[4]) {
    const double finite[4] = {finiteOr(c[0], 0), finiteOr(c[1], 0), finiteOr(c[2], 0),
                              finiteOr(c[3], 0)};
    s.setVec4(name, finite);
  };

  s.use();
  s.enableAttribute3(0, 0, kQuadStride);
  s.enableAttribute2(1, kQuadUvOffset, kQuadStride);

  s.setFloat("lt1", static_cast<float>(light1Type));
  setPoint("lp1", light1Position, -light1Height);
  setPoint("ltarget1", light1Target, 0);
  setColor("specColor1", light1Color);
  s.setFloat("specStrength1", f(strengthScale * light1Intensity));
  s.setFloat("lt2", static_cast<float>(light2Type));
  setPoint("lp2", light2Position, -light2Height);
  setPoint("ltarget2", light2Target, 0);
  setColor("solidColor", solidColor);
  setColor("specColor2", light2Color);
  s.setFloat("specStrength2", f(strengthScale * light2Intensity));
  s.setFloat("ambientStrength", f(strengthScale * ambient));
  // Bevel End 0 leaves no bevel to start within: the start clip is 0 rather than 0 / 0, and the
  // shape shows as a flat plateau with a hard edge.
  s.setFloat("startClip", f(bevelEnd > 0 ? bevelStart / bevelEnd : 0.0));
  const double exponent = 1.0 / gammaDivisor;
  const bool usable = exponent > 0 && exponent <= std::numeric_limits<float>::max();
  s.setFloat("gamma", static_cast<float>(usable ? exponent : 1.0));
  // The colour maps' loops run fewer rounds for a larger map; held within the parameter's range
  // so that no value can make them run unbounded.
  s.setFloat("mapSize", static_cast<float>(std::clamp(finiteOr(mapSize, 1.0), 0.1, 10.0)));
  s.setFloat("mapEvolution", f(mapEvolution * 0.1));
  s.setFloat("roughness", f(roughness));
  s.setFloat("metallic", f(metallic));
  s.setVec2("viewSize", w, h);
  s.setFloat("bevelHeight", f(bevelHeight));
  s.setFloat("edgeClip", f(edgeClipScale * edgeClip));
  s.setFloat("edgeFeather", f(edgeFeather * 0.1 * edgeFeatherScale));
  s.setTexture("heightMap", GL_TEXTURE_2D, heightMap, 0);
  s.setTexture("colorMap", GL_TEXTURE_2D, mapLayerTexture, 1);

  glDrawArrays(GL_TRIANGLES, 0, kQuadVertexCount);
  s.disableAttribute(0);
  s.disableAttribute(1);
}

}  // namespace Kestrix::Bevel
