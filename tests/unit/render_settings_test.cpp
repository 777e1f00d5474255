// The parameters' values as the renderer receives them: units, divisors, order of reading,
// what a failed reading keeps, and the two readings that do more than store a number.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "plugin/bevel/bevel_renderer.h"
#include "plugin/gpu/opengl_shader.h"
#include "plugin/params/param_index.h"
#include "plugin/params/render_settings.h"
#include "tests/support/fake_host.h"
#include "tests/support/fake_params.h"
#include "tests/support/gl_test_context.h"

namespace {

using namespace Kestrix::Bevel;
using ostra::test::FakeHost;
using ostra::test::FakeParams;

class RenderSettingsTest : public ::testing::Test {
 protected:
  RenderSettingsTest() : params(800, 600) { params.install(*host.inData()); }
  void read() { readRenderSettings(renderer, host.inData()); }

  FakeHost host;
  FakeParams params;
  BevelRenderer renderer;
};

TEST_F(RenderSettingsTest, TheDefaultsGiveThePublishedValues) {
  read();
  struct Expect {
    const char* name;
    double actual, expected;
  };
  const BevelRenderer& r = renderer;
  const Expect cases[] = {
      {"bevelStart", r.bevelStart, 0},
      {"bevelEnd", r.bevelEnd, 100},
      {"bevelHeight", r.bevelHeight, 1.0},
      {"gamma", r.gamma, 2.2},
      {"smooth", r.smooth, 0},
      {"extrudeCenter.x", r.extrudeCenter[0], 400},
      {"extrudeCenter.y", r.extrudeCenter[1], 300},
      {"extrude", r.extrude, 0},
      {"edgeClip", r.edgeClip, 0},
      {"edgeFeather", r.edgeFeather, 0},
      {"mapType", double(r.mapType), 0},
      {"solidColor.r", r.solidColor[0], 155 / 255.0},
      {"solidColor.a", r.solidColor[3], 1},
      {"mapSize", r.mapSize, 1},
      {"mapEvolution", r.mapEvolution, 0},
      {"mapLayerTexture", double(r.mapLayerTexture), 0},
      {"metallic", r.metallic, 1},
      {"roughness", r.roughness, 0.45},
      {"ambient", r.ambient, 0.55},
      {"extrusionDarken", r.extrusionDarken, 0.2},
      {"quality", double(r.quality), 0},
      {"light1Type", double(r.light1Type), 0},
      {"light1Position.x", r.light1Position[0], 80},
      {"light1Position.y", r.light1Position[1], 0},
      {"light1Height", r.light1Height, 0.36},
      {"light1Target.x", r.light1Target[0], 400},
      {"light1Target.y", r.light1Target[1], 300},
      {"light1Color.r", r.light1Color[0], 83 / 255.0},
      {"light1Color.g", r.light1Color[1], 66 / 255.0},
      {"light1Color.b", r.light1Color[2], 49 / 255.0},
      {"light1Intensity", r.light1Intensity, 1},
      {"light2Type", double(r.light2Type), 0},
      {"light2Position.x", r.light2Position[0], 720},
      {"light2Position.y", r.light2Position[1], 600},
      {"light2Height", r.light2Height, 0.8},
      {"light2Target.x", r.light2Target[0], 400},
      {"light2Color.b", r.light2Color[2], 80 / 255.0},
      {"light2Intensity", r.light2Intensity, 1},
  };
  for (const Expect& c : cases) EXPECT_DOUBLE_EQ(c.actual, c.expected) << c.name;
}

TEST_F(RenderSettingsTest, ReadsInAscendingIndexAndChecksEveryRecordBackIn) {
  read();
  const std::vector<int> expected = {3,  4,  5,  6,  7,  8,  9,  12, 13, 16, 17, 18, 19, 20, 21, 22,
                                     23, 24, 25, 27, 28, 29, 30, 31, 32, 35, 36, 37, 38, 39, 40};
  EXPECT_EQ(params.order, expected);
  EXPECT_EQ(params.outstanding, 0);
}

TEST_F(RenderSettingsTest, ConvertsUnitsAndDivisors) {
  params.setFloat(kBevelStart, 80);
  params.setFloat(kBevelEnd, 20);
  params.setFixed(kBevelHeight, 55.5);
  params.setAngle(kMapEvolution, 90);
  params.setColor(kColor, {255, 255, 128, 0});
  read();
  EXPECT_EQ(renderer.bevelStart, 20);  // swapped silently
  EXPECT_EQ(renderer.bevelEnd, 80);
  EXPECT_DOUBLE_EQ(renderer.bevelHeight, 0.55);  // the fixed slider's whole percent
  EXPECT_EQ(renderer.mapEvolution, 90);
  EXPECT_DOUBLE_EQ(renderer.solidColor[0], 1.0);
  EXPECT_NEAR(renderer.solidColor[1], 0.50196, 1e-5);
  EXPECT_DOUBLE_EQ(renderer.solidColor[2], 0.0);
  EXPECT_DOUBLE_EQ(renderer.solidColor[3], 1.0);

  // Half resolution: layer lengths halve, the extrusion centre (reduced-map pixels) does not.
  host.inData()->downsample_x = {1, 2};
  params.setFloat(kBevelStart, 0);
  params.setFloat(kBevelEnd, 100);
  params.setSlider(kSmooth, 10);
  params.setPoint(kLight1Position, 400, 300);
  params.setPoint(kExtrudeCenter, 400, 300);
  read();
  EXPECT_EQ(renderer.bevelEnd, 50);
  EXPECT_EQ(renderer.smooth, 5);
  EXPECT_EQ(renderer.light1Position[0], 200);
  EXPECT_EQ(renderer.light1Position[1], 150);
  EXPECT_EQ(renderer.extrudeCenter[0], 400);
  EXPECT_EQ(renderer.extrudeCenter[1], 300);

  // Quality Low works on maps a third the size.
  host.inData()->downsample_x = {1, 1};
  params.setPopup(kQuality, 3);
  params.setSlider(kExtrude, 12);
  params.setPoint(kExtrudeCenter, 300, 150);
  read();
  EXPECT_EQ(renderer.quality, 2);
  EXPECT_EQ(renderer.extrude, 4);
  EXPECT_EQ(renderer.extrudeCenter[0], 100);
  EXPECT_EQ(renderer.extrudeCenter[1], 50);
}

TEST_F(RenderSettingsTest, AFailedOrMistypedReadingKeepsThePreviousFrameUnconverted) {
  params.setPopup(kQuality, 3);
  params.setSlider(kExtrude, 12);
  params.setPoint(kExtrudeCenter, 300, 150);
  read();
  ASSERT_EQ(renderer.extrude, 4);

  params.failing = {kExtrude, kExtrudeCenter, kBevelEnd, kGamma};
  params.at(kMetallic).param_type = PF_Param_ANGLE;  // not a number reader's type
  params.setFloat(kBevelStart, 10);
  params.setFloat(kGamma, 1.0);
  read();
  EXPECT_EQ(renderer.extrude, 4) << "a kept value is not divided again";
  EXPECT_EQ(renderer.extrudeCenter[0], 100);
  EXPECT_EQ(renderer.bevelStart, 0) << "the pair changes only when both are read";
  EXPECT_EQ(renderer.bevelEnd, 100);
  EXPECT_DOUBLE_EQ(renderer.gamma, 2.2);
  EXPECT_EQ(renderer.metallic, 1.0);
  EXPECT_EQ(params.outstanding, 0);

  // A zero downsample denominator reads as full resolution rather than dividing by zero.
  params.failing.clear();
  host.inData()->downsample_x = {1, 0};
  read();
  EXPECT_EQ(renderer.bevelEnd, 100);
}

TEST_F(RenderSettingsTest, ANewMapTypeDiscardsTheSurfaceProgram) {
  read();
  renderer.surfaceShader = std::make_unique<OpenglShader>("", "");
  const OpenglShader* program = renderer.surfaceShader.get();
  read();
  EXPECT_EQ(renderer.surfaceShader.get(), program) << "the same type keeps its program";

  params.setPopup(kMapType, kMapGolden);
  read();
  EXPECT_EQ(renderer.surfaceShader, nullptr);
  EXPECT_EQ(renderer.mapType, 2);

  renderer.surfaceShader = std::make_unique<OpenglShader>("", "");
  params.failing = {kMapType};
  read();
  EXPECT_NE(renderer.surfaceShader, nullptr) << "an unreadable Map Type keeps the program";
}

class MapLayerGLTest : public ostra::test::GLTestBase {};

TEST_F(MapLayerGLTest, EachReadingReplacesTheLastTextureAndReleaseLeavesNone) {
  FakeHost host;
  FakeParams params(64, 64);
  params.install(*host.inData());
  ostra::test::PaddedWorld layer(16, 8, 64);
  params.setPopup(kMapType, kMapCustomLayer);
  params.setLayer(kMapLayer, layer.def);
  BevelRenderer renderer;

  const std::size_t before = tracker().liveTextures();
  for (int frame = 0; frame < 100; ++frame) {
    readRenderSettings(renderer, host.inData());
    ASSERT_NE(renderer.mapLayerTexture, 0u);
    ASSERT_EQ(tracker().liveTextures(), before + 1) << "frame " << frame;
  }
  releaseMapLayer(renderer);
  EXPECT_EQ(renderer.mapLayerTexture, 0u);
  EXPECT_EQ(tracker().liveTextures(), before);

  // Custom Layer with no layer chosen.
  std::memset(&params.at(kMapLayer).u.ld, 0, sizeof(PF_LayerDef));
  readRenderSettings(renderer, host.inData());
  EXPECT_EQ(renderer.mapLayerTexture, 0u);
  EXPECT_EQ(tracker().liveTextures(), before);
  EXPECT_EQ(host.liveHandles, 0);
}

}  // namespace
