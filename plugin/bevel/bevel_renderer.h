// The bevel pipeline's one process-wide object: its GPU objects and its render settings.
// Free of OpenGL headers, so host code that includes the window-system headers can use it.
#pragma once

#include <cstdint>
#include <memory>

#include "plugin/gpu/quad_geometry.h"

namespace Kestrix::Bevel {

class HeightMapBuilder;
class OpenglShader;

class BevelRenderer {
 public:
  // Makes no OpenGL call, so it can run at module load with no context.
  BevelRenderer();
  // Needs the shared context current, unless no OpenGL object was ever made.
  ~BevelRenderer();
  BevelRenderer(const BevelRenderer&) = delete;
  BevelRenderer& operator=(const BevelRenderer&) = delete;

  // The frame's passes: the reduced-size maps, then the surface (over the extrusion side when
  // Extrude is on) into the bound top render target. Needs a context current and the frame
  // sized to viewSize.
  void render(uint32_t inputTexture, const double (&viewSize)[2]);
  // Makes the surface program of the current map type, if there is none.
  void buildSurfaceShader();
  // Sets every surface uniform and draws one full-size pass into the bound target.
  void drawSurface(uint32_t heightMap, const double (&viewSize)[2], double gammaDivisor,
                   double strengthScale, double edgeClipScale, double edgeFeatherScale);

  // GPU objects of the surface passes.
  // The quad buffer, and a vertex array per context (vertex arrays are not shared).
  QuadGeometry quad;
  std::unique_ptr<OpenglShader> surfaceShader;
  std::unique_ptr<HeightMapBuilder> heightMapBuilder;

  // Render settings, written from the parameters before every frame. Lengths are in pixels of
  // the input layer as delivered unless noted; fractions run 0 to 1; colours are RGBA in 0 to 1.
  double bevelStart = 0;
  double bevelEnd = 0;
  double bevelHeight = 0;
  double gamma = 0;
  double smooth = 0;
  double extrudeCenter[2] = {960, 540};  // in pixels of the reduced maps
  double extrude = 10;                   // in pixels of the reduced maps
  double edgeClip = 0;
  double edgeFeather = 0;
  int32_t mapType = 0;  // 0 Color, 1 Custom Layer, 2 Golden, 3 Cyber Punk, 4 Rainbow
  double solidColor[4] = {1, 1, 1, 1};
  double mapSize = 0;
  double mapEvolution = 0;  // degrees
  uint32_t mapLayerTexture = 0;
  double metallic = 0;
  double roughness = 0;
  double ambient = 0;
  double extrusionDarken = 0;
  int32_t quality = 0;     // 0 High, 1 Medium, 2 Low
  int32_t light1Type = 0;  // 0 point, 1 parallel
  double light1Position[2] = {0, 0};
  double light1Height = 0;  // fraction of the layer size
  double light1Target[2] = {0, 0};
  double light1Color[4] = {1, 1, 1, 1};
  double light1Intensity = 0;
  int32_t light2Type = 0;
  double light2Position[2] = {0, 0};
  double light2Height = 0;
  double light2Target[2] = {0, 0};
  double light2Color[4] = {1, 1, 1, 1};
  double light2Intensity = 0;
};

// The object made at module load; null when its allocation failed or after destruction.
BevelRenderer* bevelRenderer();
// Destroys and frees the object (Global Setdown, with the shared context current); does
// nothing when there is none.
void destroyBevelRenderer();

}  // namespace Kestrix::Bevel
