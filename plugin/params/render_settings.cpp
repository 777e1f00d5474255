#include "plugin/params/render_settings.h"

#include <glbinding/gl33core/gl.h>

#include <algorithm>

#include "plugin/bevel/bevel_renderer.h"
#include "plugin/bevel/pass_levels.h"
#include "plugin/gpu/opengl_shader.h"
#include "plugin/params/param_index.h"
#include "plugin/params/param_readers.h"

using namespace gl33core;

namespace Kestrix::Bevel {
namespace {

// A zero denominator is no scale a host can mean; full resolution is the safe reading.
double downsampleDivisor(const PF_InData* in_data) {
  const A_u_long den = in_data->downsample_x.den;
  return den == 0 ? 1.0 : static_cast<double>(den);
}

// Divides a length by `divisor` only if the reading succeeded, so a failed reading keeps the
// value of the previous frame unconverted.
void readScaled(PF_InData* in_data, PF_ParamIndex index, double divisor, double* setting) {
  double value = 0;
  if (readNumber(in_data, index, &value)) *setting = value / divisor;
}

void readScaledPoint(PF_InData* in_data, PF_ParamIndex index, double divisor,
                     double (*setting)[2]) {
  double point[2] = {0, 0};
  if (!readPoint(in_data, index, &point)) return;
  (*setting)[0] = point[0] / divisor;
  (*setting)[1] = point[1] / divisor;
}

void deleteTexture(uint32_t texture) {
  if (texture == 0) return;
  const GLuint name = texture;
  glDeleteTextures(1, &name);
}

struct LightParams {
  PF_ParamIndex type, position, height, target, color, intensity;
};

void readLight(PF_InData* in_data, const LightParams& p, double divisor, int32_t* type,
               double (*position)[2], double* height, double (*target)[2], double (*color)[4],
               double* intensity) {
  readPopup(in_data, p.type, type);
  readScaledPoint(in_data, p.position, divisor, position);
  readPercent(in_data, p.height, height);
  readScaledPoint(in_data, p.target, divisor, target);
  readColor(in_data, p.color, color);
  readPercent(in_data, p.intensity, intensity);
}

}  // namespace

void readRenderSettings(BevelRenderer& r, PF_InData* in_data) {
  const double divisor = downsampleDivisor(in_data);

  // The pair is ordered together, so both must be read for either to change.
  double start = 0;
  double end = 0;
  const bool haveStart = readNumber(in_data, kBevelStart, &start);
  const bool haveEnd = readNumber(in_data, kBevelEnd, &end);
  if (haveStart && haveEnd) {
    r.bevelStart = std::min(start, end) / divisor;
    r.bevelEnd = std::max(start, end) / divisor;
  }

  readPercent(in_data, kBevelHeight, &r.bevelHeight);
  readNumber(in_data, kGamma, &r.gamma);
  readScaled(in_data, kSmooth, divisor, &r.smooth);
  // The extrusion is divided by the quality scale once Quality is known, and only if it was
  // read this frame, so that a kept value is not divided twice.
  double extrude = 0;
  const bool haveExtrude = readNumber(in_data, kExtrude, &extrude);
  double extrudeCenter[2] = {0, 0};
  const bool haveExtrudeCenter = readPoint(in_data, kExtrudeCenter, &extrudeCenter);
  readPercent(in_data, kEdgeClip, &r.edgeClip);
  readPercent(in_data, kEdgeFeather, &r.edgeFeather);

  int32_t mapType = r.mapType;
  if (readPopup(in_data, kMapType, &mapType) && mapType != r.mapType) {
    r.surfaceShader.reset();  // the next frame builds the program of the new type
    r.mapType = mapType;
  }

  readColor(in_data, kColor, &r.solidColor);

  uint32_t mapLayer = 0;
  double mapLayerSize[2] = {0, 0};
  if (readLayer(in_data, kMapLayer, &mapLayer, &mapLayerSize)) {
    if (mapLayer != r.mapLayerTexture) deleteTexture(r.mapLayerTexture);
    r.mapLayerTexture = mapLayer;
  }

  readPercent(in_data, kMapSize, &r.mapSize);
  readAngle(in_data, kMapEvolution, &r.mapEvolution);
  readPercent(in_data, kMetallic, &r.metallic);
  readPercent(in_data, kRoughness, &r.roughness);
  readPercent(in_data, kAmbient, &r.ambient);
  readPercent(in_data, kExtrusionDarken, &r.extrusionDarken);
  readPopup(in_data, kQuality, &r.quality);

  // The maps are built at the scale the builder allows (1 to 4), so the extrusion is measured
  // in the same pixels; a Quality outside its choices cannot divide by zero here.
  const double qualityScale = limitQualityScale(qualityScaleFor(r.quality));
  if (haveExtrude) r.extrude = extrude / divisor / qualityScale;
  if (haveExtrudeCenter) {
    r.extrudeCenter[0] = extrudeCenter[0] / qualityScale;
    r.extrudeCenter[1] = extrudeCenter[1] / qualityScale;
  }

  readLight(
      in_data,
      {kLight1Type, kLight1Position, kLight1Height, kLight1Target, kLight1Color, kLight1Intensity},
      divisor, &r.light1Type, &r.light1Position, &r.light1Height, &r.light1Target, &r.light1Color,
      &r.light1Intensity);
  readLight(
      in_data,
      {kLight2Type, kLight2Position, kLight2Height, kLight2Target, kLight2Color, kLight2Intensity},
      divisor, &r.light2Type, &r.light2Position, &r.light2Height, &r.light2Target, &r.light2Color,
      &r.light2Intensity);
}

void releaseMapLayer(BevelRenderer& renderer) {
  deleteTexture(renderer.mapLayerTexture);
  renderer.mapLayerTexture = 0;
}

}  // namespace Kestrix::Bevel
