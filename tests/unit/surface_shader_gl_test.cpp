// The surface program builds for every colour map, and is built once per map type.
#include <gtest/gtest.h>

#include "plugin/bevel/bevel_renderer.h"
#include "plugin/bevel/surface_text.h"
#include "plugin/gpu/opengl_shader.h"
#include "tests/support/gl_test_context.h"

namespace {

using namespace Kestrix::Bevel;

class SurfaceShaderGLTest : public ostra::test::GLTestBase {};

TEST_F(SurfaceShaderGLTest, EveryMapTypeLinks) {
  for (int32_t mapType = 0; mapType < 5; ++mapType) {
    OpenglShader program(surfaceVertexText(), surfaceFragmentText(mapType));
    program.bindAttribute("position", 0);
    program.bindAttribute("input_uv", 1);
    testing::internal::CaptureStderr();
    program.compileAndLink();
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(program.program(), 0u) << "map type " << mapType << ": " << log;
  }
}

TEST_F(SurfaceShaderGLTest, BuildKeepsAnExistingProgram) {
  BevelRenderer renderer;
  renderer.mapType = 3;
  renderer.buildSurfaceShader();
  const OpenglShader* first = renderer.surfaceShader.get();
  ASSERT_NE(first, nullptr);
  renderer.buildSurfaceShader();
  EXPECT_EQ(renderer.surfaceShader.get(), first);
}

}  // namespace
