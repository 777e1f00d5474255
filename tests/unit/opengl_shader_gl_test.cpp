// Lazy build, attribute binding, uniforms by name, and the failure messages.
#include <gtest/gtest.h>

#include <string>

#include "plugin/gpu/opengl_shader.h"
#include "tests/support/gl_test_context.h"

using namespace gl33core;
using Kestrix::Bevel::OpenglShader;

namespace {

const char* kVertex =
    "#version 330\nin vec3 position;\nin vec2 input_uv;\nout vec2 uv;\n"
    "void main() { uv = input_uv; gl_Position = vec4(position, 1.0); }\n";
const char* kFragment =
    "#version 330\nin vec2 uv;\nuniform sampler2D videoTexture;\nuniform float gain;\n"
    "uniform float unused;\nout vec4 colourOut;\n"
    "void main() { colourOut = texture(videoTexture, uv) * gain; }\n";

class OpenglShaderGLTest : public ostra::test::GLTestBase {};

int countCalls(ostra::test::GlTracker& tracker, auto&& action) {
  const int before = tracker.calls();
  action();
  return tracker.calls() - before;
}

}  // namespace

TEST(OpenglShader, ConstructingMakesNoGLCallAndNeedsNoContext) {
  OpenglShader shader(kVertex, kFragment);
  shader.setFloat("gain", 2.0f);  // no program: nothing is sent, nothing crashes
  EXPECT_EQ(shader.program(), 0u);
}

TEST_F(OpenglShaderGLTest, NothingIsSentBeforeUse) {
  OpenglShader shader(kVertex, kFragment);
  EXPECT_EQ(countCalls(tracker(),
                       [&] {
                         shader.setFloat("gain", 2.0f);
                         shader.setTexture("videoTexture", GL_TEXTURE_2D, 1, 0);
                         shader.enableAttribute3(0, 0, 20);
                       }),
            0);
}

TEST_F(OpenglShaderGLTest, FirstBindingOfANameWins) {
  OpenglShader shader(kVertex, kFragment);
  shader.bindAttribute("position", 0);
  shader.bindAttribute("position", 5);
  shader.bindAttribute("input_uv", 1);
  shader.use();
  ASSERT_NE(shader.program(), 0u);
  EXPECT_EQ(glGetAttribLocation(shader.program(), "position"), 0);
  EXPECT_EQ(glGetAttribLocation(shader.program(), "input_uv"), 1);
}

TEST_F(OpenglShaderGLTest, SetTextureLeavesUnitActiveTextureBoundAndSamplerSet) {
  OpenglShader shader(kVertex, kFragment);
  shader.use();
  GLuint texture = 0;
  glGenTextures(1, &texture);
  shader.setTexture("videoTexture", GL_TEXTURE_2D, texture, 2);
  shader.setFloat("unused", 1.0f);  // optimised away: skipped without an error
  GLint active = 0, bound = 0, sampler = -1;
  glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  glGetUniformiv(shader.program(), glGetUniformLocation(shader.program(), "videoTexture"),
                 &sampler);
  EXPECT_EQ(active, static_cast<GLint>(GL_TEXTURE2));
  EXPECT_EQ(static_cast<GLuint>(bound), texture);
  EXPECT_EQ(sampler, 2);
  glDeleteTextures(1, &texture);
}

TEST_F(OpenglShaderGLTest, FailedVertexStageIsReportedOnEveryUseAndCompilesNoFragment) {
  OpenglShader shader("#version 330\nvoid main() { this is not glsl }\n", kFragment);
  for (int attempt = 0; attempt < 2; ++attempt) {
    testing::internal::CaptureStdout();
    const int compiles = tracker().callsOf("glCompileShader");
    shader.use();
    EXPECT_EQ(tracker().callsOf("glCompileShader") - compiles, 1) << "no fragment stage compiled";
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("Shader vert error:\n", 0), 0u) << out;
    EXPECT_GT(out.size(), std::string("Shader vert error:\n\n").size()) << "the compiler's log";
    EXPECT_EQ(out.find("frag"), std::string::npos);
    EXPECT_EQ(shader.program(), 0u);
  }
}

TEST_F(OpenglShaderGLTest, LinkFailureIsReportedAsAProgramError) {
  // Both stages compile, but the fragment stage has no main, which only the link notices.
  OpenglShader shader(kVertex,
                      "#version 330\nout vec4 colourOut;\n"
                      "void helper() { colourOut = vec4(1.0); }\n");
  testing::internal::CaptureStdout();
  shader.use();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out.rfind("Program error:\n", 0), 0u) << out;
  EXPECT_EQ(shader.program(), 0u);
}
