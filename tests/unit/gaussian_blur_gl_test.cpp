// The generated blur on llvmpipe: every size builds, the two passes match a direct convolution
// with clamp-to-edge, and the program is rebuilt only when the rounded size changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "plugin/bevel/blur_text.h"
#include "plugin/bevel/gaussian_blur.h"
#include "plugin/gpu/fullscreen_quad.h"
#include "plugin/gpu/render_frame.h"
#include "tests/support/gl_test_context.h"

using namespace gl33core;
using namespace Kestrix::Bevel;

namespace {

constexpr int kSize = 64;
constexpr double kView[2] = {kSize, kSize};

using Image = std::vector<std::array<float, 4>>;  // row-major, kSize × kSize

class GaussianBlurGLTest : public ostra::test::GLTestBase {
 protected:
  void SetUp() override {
    GLTestBase::SetUp();
    glGenVertexArrays(1, &vertexArray_);
    glGenBuffers(1, &vertexBuffer_);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    glBufferData(GL_ARRAY_BUFFER, sizeof kQuadVertices, kQuadVertices, GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
  }
  void TearDown() override {
    glDeleteBuffers(1, &vertexBuffer_);
    glDeleteVertexArrays(1, &vertexArray_);
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
    GLTestBase::TearDown();
  }

  void blur(GaussianBlur& blur, GLuint source, GLuint destination) {
    blur.run(vertexArray_, vertexBuffer_, kView, source, destination);
  }

  GLuint vertexArray_ = 0;
  GLuint vertexBuffer_ = 0;
};

GLuint upload(const Image& image) {
  const GLuint texture = renderFrame().createTexture(kView, true, false);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, kSize, kSize, GL_RGBA, GL_FLOAT, image.data());
  glBindTexture(GL_TEXTURE_2D, 0);
  return texture;
}

Image readBack(GLuint texture) {
  Image image(kSize * kSize);
  GLuint framebuffer = 0;
  glGenFramebuffers(1, &framebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
  glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_FLOAT, image.data());
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDeleteFramebuffers(1, &framebuffer);
  return image;
}

// The blur as 2n + 1 separate taps per pass, with texels beyond the edge reading the edge.
Image directConvolution(const Image& source, double sigma) {
  const std::vector<float> w = blurWeights(sigma, blurSampleRadius(sigma));
  const int n = static_cast<int>(w.size()) - 1;
  auto pass = [&](const Image& in, int dx, int dy) {
    Image out(in.size());
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        for (int i = -n; i <= n; ++i) {
          const int sx = std::clamp(x + i * dx, 0, kSize - 1);
          const int sy = std::clamp(y + i * dy, 0, kSize - 1);
          for (int c = 0; c < 4; ++c) {
            out[y * kSize + x][c] += w[static_cast<size_t>(std::abs(i))] * in[sy * kSize + sx][c];
          }
        }
      }
    }
    return out;
  };
  return pass(pass(source, 0, 1), 1, 0);
}

// Reports the worst texel with both values.
void expectClose(const Image& actual, const Image& expected, double tolerance) {
  double worst = 0;
  int worstAt = 0;
  for (int i = 0; i < kSize * kSize; ++i) {
    for (int c = 0; c < 4; ++c) {
      const double d = std::abs(actual[i][c] - expected[i][c]);
      if (d > worst) worst = d, worstAt = i;
    }
  }
  const auto& a = actual[worstAt];
  const auto& e = expected[worstAt];
  EXPECT_LE(worst, tolerance) << "worst texel (" << worstAt % kSize << ", " << worstAt / kSize
                              << "): got " << a[0] << " " << a[1] << " " << a[2] << " " << a[3]
                              << ", expected " << e[0] << " " << e[1] << " " << e[2] << " " << e[3];
}

}  // namespace

TEST_F(GaussianBlurGLTest, EveryBlurSizeBuildsOnTheDriver) {
  testing::internal::CaptureStdout();
  for (int sigma = 1; sigma <= 40; ++sigma) {
    GaussianBlur blur;
    blur.setSigma(sigma);
    OpenglShader shader(blur.vertexShaderText(), blur.fragmentShaderText());
    shader.bindAttribute("position", 0);
    shader.bindAttribute("input_uv", 1);
    shader.use();
    EXPECT_NE(shader.program(), 0u) << "sigma " << sigma;
  }
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "no shader or program error";
}

TEST_F(GaussianBlurGLTest, OneBrightTexelSpreadsAsTheDirectConvolution) {
  // Off centre, so that the wider blurs reach past two edges; channels differ to catch swaps.
  Image impulse(kSize * kSize);
  impulse[22 * kSize + 40] = {1.0f, 0.5f, 0.25f, 1.0f};
  const GLuint source = upload(impulse);
  const GLuint destination = upload(Image(kSize * kSize));
  GaussianBlur gaussian;
  // σ 7 and 20 read their outer pairs from the fragment shader; one object, so each new size
  // must reach the program.
  for (double sigma : {2.0, 7.0, 20.0}) {
    SCOPED_TRACE("sigma " + std::to_string(sigma));
    gaussian.setSigma(sigma);
    const size_t texturesBefore = tracker().liveTextures();
    const size_t framebuffersBefore = tracker().liveFramebuffers();
    blur(gaussian, source, destination);
    EXPECT_EQ(tracker().liveTextures(), texturesBefore) << "the intermediate texture is deleted";
    EXPECT_EQ(tracker().liveFramebuffers(), framebuffersBefore);
    GLint bound = 0;
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), vertexArray_) << "the caller's vertex array stays bound";
    // The wider blurs spread the texel thin (a peak of 4e-4 at σ 20), so the bound follows the
    // peak; llvmpipe's float filtering stays well inside it.
    const Image expected = directConvolution(impulse, sigma);
    float peak = 0;
    for (const auto& texel : expected) peak = std::max(peak, texel[0]);
    expectClose(readBack(destination), expected, 1e-3 * peak);
  }
  glDeleteTextures(1, &source);
  glDeleteTextures(1, &destination);
}

TEST_F(GaussianBlurGLTest, ConstantImageKeepsItsValueUpToTheCorners) {
  const Image ones(kSize * kSize, {1.0f, 1.0f, 1.0f, 1.0f});
  const GLuint source = upload(ones);
  const GLuint destination = upload(Image(kSize * kSize));
  GaussianBlur gaussian;
  for (double sigma : {7.0, 40.0}) {
    SCOPED_TRACE("sigma " + std::to_string(sigma));
    gaussian.setSigma(sigma);
    blur(gaussian, source, destination);
    expectClose(readBack(destination), ones, 1e-4);
  }
  glDeleteTextures(1, &source);
  glDeleteTextures(1, &destination);
}

TEST_F(GaussianBlurGLTest, ProgramIsRebuiltOnlyForANewRoundedSize) {
  const Image empty(kSize * kSize);
  const GLuint source = upload(empty);
  const GLuint destination = upload(empty);
  GaussianBlur gaussian;
  gaussian.setSigma(2.2);
  blur(gaussian, source, destination);
  const OpenglShader* first = gaussian.program();
  ASSERT_NE(first, nullptr);
  const GLuint name = first->program();
  EXPECT_NE(name, 0u);

  gaussian.setSigma(2.4);
  blur(gaussian, source, destination);
  EXPECT_EQ(gaussian.program(), first);
  EXPECT_EQ(gaussian.program()->program(), name);
  EXPECT_EQ(tracker().callsOf("glCreateProgram"), 1) << "2.2 and 2.4 both round to 2";

  gaussian.setSigma(1.4);
  blur(gaussian, source, destination);
  EXPECT_EQ(gaussian.sigma(), 1);
  EXPECT_EQ(tracker().callsOf("glCreateProgram"), 2);
  EXPECT_EQ(tracker().callsOf("glDeleteProgram"), 1) << "the old program goes first";
  glDeleteTextures(1, &source);
  glDeleteTextures(1, &destination);
}
