// The reduced-size maps against independent CPU answers: an exact Euclidean distance transform
// for the height, a direct ray average for the side; edge layers; texture reuse; contexts.
#include <gtest/gtest.h>

#include <glbinding/gl33core/gl.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32.h"
#include "plugin/bevel/height_map_builder.h"
#include "plugin/bevel/pass_levels.h"
#include "plugin/gpu/gl_context.h"
#include "plugin/gpu/render_frame.h"
#include "tests/support/gl_read.h"

using namespace Kestrix::Bevel;
using namespace gl33core;

namespace {

// A layer's alpha, row 0 the top row; colour is white.
struct Layer {
  int width = 0;
  int height = 0;
  std::vector<float> alpha;
  float at(int x, int y) const { return alpha[static_cast<size_t>(y * width + x)]; }
};

Layer makeLayer(int width, int height, const std::function<float(int, int)>& alphaAt) {
  Layer layer{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) layer.alpha.push_back(alphaAt(x, y));
  }
  return layer;
}

Layer disc(int size, double radius) {
  return makeLayer(size, size, [=](int x, int y) {
    const double dx = x + 0.5 - size / 2.0, dy = y + 0.5 - size / 2.0;
    return dx * dx + dy * dy <= radius * radius ? 1.0f : 0.0f;
  });
}

// An L with its short arm half transparent, so heights scale by alpha.
Layer lShape() {
  return makeLayer(64, 64, [](int x, int y) {
    if (x >= 8 && x < 24 && y >= 8 && y < 56) return 1.0f;
    if (x >= 24 && x < 56 && y >= 40 && y < 56) return 0.5f;
    return 0.0f;
  });
}

Layer blobs() {
  std::mt19937 random(7);
  struct Blob {
    double x, y, r;
    float a;
  };
  std::vector<Blob> list;
  for (int i = 0; i < 6; ++i) {
    list.push_back({static_cast<double>(random() % 64), static_cast<double>(random() % 64),
                    4.0 + random() % 12, 0.25f + 0.15f * static_cast<float>(random() % 6)});
  }
  return makeLayer(64, 64, [&](int x, int y) {
    float alpha = 0.0f;
    for (const Blob& b : list) {
      const double dx = x + 0.5 - b.x, dy = y + 0.5 - b.y;
      if (dx * dx + dy * dy <= b.r * b.r) alpha = std::max(alpha, b.a);
    }
    return alpha;
  });
}

// Seeds just under the threshold, the shape right at it.
Layer thresholdRectangle() {
  return makeLayer(
      64, 64, [](int x, int y) { return x >= 10 && x < 50 && y >= 20 && y < 44 ? 0.01f : 0.005f; });
}

// What the seed pass sees at a reduced pixel: the mean of the scale × scale block its centre
// falls on (the linear filter at a block's centre, exact for scales 1 and 2).
Layer reduce(const Layer& full, int scale) {
  const int w = (full.width + scale - 1) / scale, h = (full.height + scale - 1) / scale;
  return makeLayer(w, h, [&](int x, int y) {
    float sum = 0;
    for (int j = 0; j < scale; ++j) {
      for (int i = 0; i < scale; ++i) {
        sum += full.at(std::min(x * scale + i, full.width - 1),
                       std::min(y * scale + j, full.height - 1));
      }
    }
    return sum / static_cast<float>(scale * scale);
  });
}

// Distance from each pixel centre to the nearest seed centre, by brute force. With no seed at
// all, the far coordinate is what the distance is measured to.
std::vector<double> exactDistances(const Layer& layer) {
  std::vector<std::pair<double, double>> seeds;
  for (int y = 0; y < layer.height; ++y) {
    for (int x = 0; x < layer.width; ++x) {
      if (layer.at(x, y) < 0.01f) seeds.emplace_back(x + 0.5, y + 0.5);
    }
  }
  std::vector<double> distances;
  for (int y = 0; y < layer.height; ++y) {
    for (int x = 0; x < layer.width; ++x) {
      double best = std::numeric_limits<double>::infinity();
      if (seeds.empty()) best = std::hypot(999999.0 - (x + 0.5), 999999.0 - (y + 0.5));
      for (const auto& [sx, sy] : seeds)
        best = std::min(best, std::hypot(sx - x - 0.5, sy - y - 0.5));
      distances.push_back(best);
    }
  }
  return distances;
}

// alpha × exact distance / limit.
std::vector<double> exactHeights(const Layer& layer, double limit) {
  std::vector<double> heights = exactDistances(layer);
  for (size_t i = 0; i < heights.size(); ++i) heights[i] *= layer.alpha[i] / limit;
  return heights;
}

bool allFinite(const std::vector<float>& values) {
  return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
}

class HeightMapGLTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::internal::CaptureStdout();
    createSharedContext();
    testing::internal::GetCapturedStdout();
    builder_ = std::make_unique<HeightMapBuilder>();
  }

  void TearDown() override {
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
    for (GLuint texture : inputs_) glDeleteTextures(1, &texture);
    builder_.reset();
    renderFrame().releaseGpuObjects();
    destroyAllContexts();
  }

  // The host's channel order as uploaded: r holds alpha, g, b, a the colour.
  GLuint upload(const Layer& layer) {
    std::vector<float> texels;
    for (float a : layer.alpha) texels.insert(texels.end(), {a, 1.0f, 1.0f, 1.0f});
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(GL_LINEAR));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(GL_LINEAR));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLint>(GL_CLAMP_TO_EDGE));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLint>(GL_CLAMP_TO_EDGE));
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(GL_RGBA32F), layer.width, layer.height, 0,
                 GL_RGBA, GL_FLOAT, texels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    inputs_.push_back(texture);
    return texture;
  }

  // As the renderer calls it: the frame sized to the layer and begun.
  void build(const Layer& layer, int32_t scale, double bevelEnd, double smooth = 0,
             double extrude = 0, std::array<double, 2> center = {0, 0}) {
    renderFrame().resize(layer.width, layer.height, true);
    renderFrame().beginFrame(false, false);
    const double viewSize[2] = {static_cast<double>(layer.width),
                                static_cast<double>(layer.height)};
    builder_->build(upload(layer), viewSize, scale, jumpFloodLevels(bevelEnd, scale), bevelEnd,
                    smooth, extrude, center.data());
  }

  // The red channel of a reduced-size map.
  std::vector<float> readRed(GLuint texture) {
    const std::vector<float> rgba =
        ostra::test::readTextureRgba(texture, builder_->mapSize()[0], builder_->mapSize()[1]);
    std::vector<float> red;
    for (size_t i = 0; i < rgba.size(); i += 4) red.push_back(rgba[i]);
    return red;
  }

  std::unique_ptr<HeightMapBuilder> builder_;
  std::vector<GLuint> inputs_;
};

struct DistanceCase {
  std::string name;
  Layer layer;
  int32_t scale;
  double bevelEnd;
};

// Heights read back as distances (h × limit / alpha), against an exact CPU distance transform.
// Jump flooding may settle on a slightly farther seed: at most 1% of the pixels more than
// 0.02 px off, none more than 0.5 px.
TEST_F(HeightMapGLTest, HeightIsAlphaTimesSeedDistanceOverLimit) {
  const DistanceCase cases[] = {
      {"disc r30 on 96", disc(96, 30), 1, 30},
      {"disc r30 on 96 at Medium", disc(96, 30), 2, 30},
      {"L with a half-transparent arm", lShape(), 1, 12},
      {"random blobs", blobs(), 1, 20},
      {"alpha 0.005 seeds, 0.01 does not", thresholdRectangle(), 1, 10},
  };
  for (const DistanceCase& c : cases) {
    SCOPED_TRACE(c.name);
    build(c.layer, c.scale, c.bevelEnd);
    const Layer reduced = reduce(c.layer, c.scale);
    ASSERT_EQ(builder_->mapSize()[0], reduced.width);
    ASSERT_EQ(builder_->mapSize()[1], reduced.height);
    const double limit = c.bevelEnd / c.scale;
    const std::vector<double> expected = exactDistances(reduced);
    const std::vector<float> actual = readRed(builder_->heightTexture());
    ASSERT_EQ(actual.size(), expected.size());

    int off = 0;
    double worst = 0;
    size_t worstAt = 0;
    for (size_t i = 0; i < actual.size(); ++i) {
      const double alpha = reduced.alpha[i];
      if (alpha < 1e-3) {  // transparent: height 0, up to the linear filter's rounding
        ASSERT_LE(actual[i], 1e-5) << "pixel " << i;
        continue;
      }
      const double distance = actual[i] * limit / alpha;
      ASSERT_NEAR(distance, expected[i], 0.5) << "pixel " << i;
      const double error = std::abs(distance - expected[i]);
      if (error > 0.02) ++off;
      if (error > worst) worst = error, worstAt = i;
    }
    EXPECT_LE(off, static_cast<int>(actual.size()) / 100);
    EXPECT_LE(worst, 0.5) << "worst pixel (" << worstAt % reduced.width << ", "
                          << worstAt / reduced.width << "): distance "
                          << actual[worstAt] * limit / reduced.alpha[worstAt] << " against "
                          << expected[worstAt];
  }
}

// Layers of one alpha: every pixel a seed (height 0), or none, when every pixel keeps the far
// coordinate and a very large but finite height; Bevel End 0 must not divide by zero.
TEST_F(HeightMapGLTest, UniformLayersGiveZeroOrFarFiniteHeights) {
  struct Case {
    float alpha;
    double bevelEnd;
  };
  for (const Case c :
       {Case{0.0f, 30}, Case{0.005f, 30}, Case{0.01f, 30}, Case{1.0f, 30}, Case{1.0f, 0}}) {
    SCOPED_TRACE("alpha " + std::to_string(c.alpha) + " bevelEnd " + std::to_string(c.bevelEnd));
    const Layer layer = makeLayer(64, 64, [&](int, int) { return c.alpha; });
    build(layer, 1, c.bevelEnd);
    const std::vector<float> actual = readRed(builder_->heightTexture());
    ASSERT_TRUE(allFinite(actual));
    const std::vector<double> expected = exactHeights(layer, builder_->distanceLimit());
    for (size_t i = 0; i < actual.size(); ++i) {
      ASSERT_NEAR(actual[i], expected[i], 1e-5 * expected[i]) << "pixel " << i;
    }
  }
}

TEST_F(HeightMapGLTest, ZeroBevelEndMakesAFiniteStep) {
  build(disc(64, 20), 1, 0.0);
  const std::vector<float> heights = readRed(builder_->heightTexture());
  ASSERT_TRUE(allFinite(heights));
  const Layer layer = disc(64, 20);
  for (size_t i = 0; i < heights.size(); ++i) {
    if (layer.alpha[i] == 0.0f) {
      EXPECT_EQ(heights[i], 0.0f);
    } else {
      EXPECT_GE(heights[i], 1.0f) << "pixel " << i << " inside the shape is above the bevel";
    }
  }
}

// The side at a pixel, computed directly: the weighted ray average, sampling the height map
// with clamp-to-edge bilinear filtering; the pixel's own height where the ray takes no sample.
double expectedSide(const std::vector<float>& heights, int w, int h, int px, int py, double extrude,
                    std::array<double, 2> center) {
  auto texel = [&](int x, int y) {
    return static_cast<double>(
        heights[static_cast<size_t>(std::clamp(y, 0, h - 1) * w + std::clamp(x, 0, w - 1))]);
  };
  auto bilinear = [&](double x, double y) {
    const double fx = x - 0.5, fy = y - 0.5;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const double tx = fx - x0, ty = fy - y0;
    return (texel(x0, y0) * (1 - tx) + texel(x0 + 1, y0) * tx) * (1 - ty) +
           (texel(x0, y0 + 1) * (1 - tx) + texel(x0 + 1, y0 + 1) * tx) * ty;
  };
  const float strength = static_cast<float>(std::abs(extrude) / 200.0);
  const float fx = static_cast<float>(px + 0.5), fy = static_cast<float>(py + 0.5);
  const float dx = fx - static_cast<float>(center[0]), dy = fy - static_cast<float>(center[1]);
  const float len = std::hypot(dx, dy) * strength;
  const float stepLength = std::min(1.0f / std::pow(10.0f, 1.5f), len);
  double color = 0, samples = 0;
  for (float i = 1.0f; i <= len; i += stepLength) {
    const float percent = i / len;
    const float weight = 1.0f - percent;
    color += bilinear(fx + percent * dx * strength, fy + percent * dy * strength) * weight;
    samples += weight;
  }
  return samples > 0 ? color / samples : texel(px, py);
}

// Centre (32.5, 32.5) puts pixel (32, 32) at distance 0 and (35, 36) at distance 5, where
// extrude 40 gives len exactly 1: one sample of weight 0. The direct average matches to 1e-4
// (float sums against double ones; measured 2e-7).
TEST_F(HeightMapGLTest, SideIsTheRayAverageAndFiniteAtTheCentre) {
  const Layer layer = disc(64, 20);
  const std::array<double, 2> center = {32.5, 32.5};
  for (const double extrude : {1.0, 40.0}) {
    SCOPED_TRACE("extrude " + std::to_string(extrude));
    build(layer, 1, 20, 0, extrude, center);
    const std::vector<float> heights = readRed(builder_->heightTexture());
    const std::vector<float> side = readRed(builder_->sideTexture());
    ASSERT_TRUE(allFinite(side));
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) {
        const double want = expectedSide(heights, 64, 64, x, y, extrude, center);
        const double got = side[static_cast<size_t>(y * 64 + x)];
        ASSERT_NEAR(got, want, 1e-4) << "pixel (" << x << ", " << y << ")";
      }
    }
    EXPECT_EQ(side[32 * 64 + 32], heights[32 * 64 + 32]) << "the centre keeps its own height";
    EXPECT_EQ(side[36 * 64 + 35], heights[36 * 64 + 35]) << "len 1 keeps its own height";
  }
}

TEST_F(HeightMapGLTest, BlurRunsFromSmoothOneAndItsResultIsTheHeightMap) {
  const Layer layer = disc(64, 20);
  build(layer, 1, 20, 0.9);
  EXPECT_EQ(builder_->blur().program(), nullptr) << "smooth 0.9 must not blur";
  const GLuint unblurredTexture = builder_->heightTexture();
  const std::vector<float> unblurred = readRed(unblurredTexture);
  const std::vector<double> exact = exactHeights(layer, 20);
  for (size_t i = 0; i < unblurred.size(); ++i) ASSERT_NEAR(unblurred[i], exact[i], 0.05);

  build(layer, 1, 20, 3);
  ASSERT_NE(builder_->blur().program(), nullptr);
  EXPECT_NE(builder_->heightTexture(), unblurredTexture) << "the blur writes the other texture";
  const std::vector<float> blurred = readRed(builder_->heightTexture());
  ASSERT_TRUE(allFinite(blurred));
  double sumBlurred = 0, sumUnblurred = 0, change = 0;
  for (size_t i = 0; i < blurred.size(); ++i) {
    sumBlurred += blurred[i];
    sumUnblurred += unblurred[i];
    change = std::max(change, std::abs(static_cast<double>(blurred[i] - unblurred[i])));
  }
  EXPECT_GT(change, 0.05) << "the blurred map differs from the unblurred one";
  EXPECT_NEAR(sumBlurred, sumUnblurred, 0.01 * sumUnblurred) << "a blur keeps the total";
}

TEST_F(HeightMapGLTest, TexturesAreReusedAtOneSizeAndRemadeForANewOne) {
  auto textureSize = [](GLuint texture) {
    GLint w = 0, h = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    glBindTexture(GL_TEXTURE_2D, 0);
    return std::array<GLint, 2>{w, h};
  };
  const Layer layer = disc(64, 20);
  const std::array<double, 2> center = {10, 10};
  build(layer, 1, 20, 0, 40, center);
  const GLuint height = builder_->heightTexture(), side = builder_->sideTexture();
  const std::vector<float> firstSide = readRed(side);

  // Same size, extrude 0.9: no side pass, and S still holds the first frame's side, which a
  // re-created (zero-filled) texture would not.
  build(layer, 1, 20, 0, 0.9, center);
  EXPECT_EQ(builder_->heightTexture(), height);
  EXPECT_EQ(builder_->sideTexture(), side);
  EXPECT_EQ(readRed(side), firstSide);
  EXPECT_GT(*std::max_element(firstSide.begin(), firstSide.end()), 0.5f);

  // A new Quality at the same layer size: new, zero-filled textures at the reduced size.
  build(layer, 2, 20, 0, 0.9, center);
  EXPECT_EQ(textureSize(builder_->heightTexture()), (std::array<GLint, 2>{32, 32}));
  EXPECT_EQ(textureSize(builder_->sideTexture()), (std::array<GLint, 2>{32, 32}));
  const std::vector<float> freshSide = readRed(builder_->sideTexture());
  EXPECT_EQ(*std::max_element(freshSide.begin(), freshSide.end()), 0.0f);

  const GLuint lastHeight = builder_->heightTexture(), lastSide = builder_->sideTexture();
  builder_.reset();
  EXPECT_FALSE(glIsTexture(lastHeight));
  EXPECT_FALSE(glIsTexture(lastSide));
}

// Vertex arrays do not travel between contexts: a build on a render thread's own context after
// one on the shared context must still draw.
TEST_F(HeightMapGLTest, BuildsInEveryContextItIsCalledFrom) {
  const Layer layer = disc(64, 20);
  build(layer, 1, 20);
  const std::vector<float> onShared = readRed(builder_->heightTexture());
  glFinish();
  wglMakeCurrent(nullptr, nullptr);

  std::vector<float> onThread;
  std::thread([&] {
    testing::internal::CaptureStdout();
    threadContext()->makeCurrent();
    testing::internal::GetCapturedStdout();
    build(layer, 1, 20);
    onThread = readRed(builder_->heightTexture());
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
    glFinish();
    wglMakeCurrent(nullptr, nullptr);
  }).join();
  sharedContext()->makeCurrent();

  EXPECT_EQ(onThread, onShared);
  EXPECT_GT(*std::max_element(onThread.begin(), onThread.end()), 0.9f);
}

}  // namespace
