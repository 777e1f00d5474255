// The renderer object exists from module load without any OpenGL, and goes without any.
#include <gtest/gtest.h>

#include "platform/win32.h"
#include "plugin/bevel/bevel_renderer.h"
#include "plugin/bevel/height_map_builder.h"

using namespace Kestrix::Bevel;

namespace {

// No context is ever made in these tests: an OpenGL call through the binding before any
// context aborts the process, so passing proves construction and destruction make none.
TEST(BevelRendererTest, StartsWithItsDefaultsAndNoOpenGlObject) {
  ASSERT_EQ(wglGetCurrentContext(), nullptr);
  auto renderer = std::make_unique<BevelRenderer>();
  EXPECT_EQ(renderer->quad.vertexBuffer(), 0u);
  EXPECT_EQ(renderer->surfaceShader, nullptr);
  ASSERT_NE(renderer->heightMapBuilder, nullptr);
  EXPECT_EQ(renderer->heightMapBuilder->heightTexture(), 0u);
  EXPECT_EQ(renderer->heightMapBuilder->sideTexture(), 0u);

  EXPECT_EQ(renderer->extrudeCenter[0], 960);
  EXPECT_EQ(renderer->extrudeCenter[1], 540);
  EXPECT_EQ(renderer->extrude, 10);
  EXPECT_EQ(renderer->mapType, 0);
  for (const double* colour :
       {renderer->solidColor, renderer->light1Color, renderer->light2Color}) {
    for (int i = 0; i < 4; ++i) EXPECT_EQ(colour[i], 1.0);
  }
  for (const double* point : {renderer->light1Position, renderer->light1Target,
                              renderer->light2Position, renderer->light2Target}) {
    EXPECT_EQ(point[0], 0.0);
    EXPECT_EQ(point[1], 0.0);
  }
  renderer.reset();
  EXPECT_EQ(wglGetCurrentContext(), nullptr);
}

TEST(BevelRendererTest, ModuleObjectExistsAtLoadAndIsDestroyedOnce) {
  ASSERT_NE(bevelRenderer(), nullptr);
  EXPECT_EQ(bevelRenderer()->extrude, 10);
  destroyBevelRenderer();
  EXPECT_EQ(bevelRenderer(), nullptr);
  destroyBevelRenderer();  // a second Global Setdown, or a failed allocation, finds nothing
  EXPECT_EQ(bevelRenderer(), nullptr);
}

}  // namespace
