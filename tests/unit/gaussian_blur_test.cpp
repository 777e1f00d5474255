// The blur's sizes, weights and generated shader texts, checked without a GL context.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/bevel/blur_text.h"
#include "plugin/bevel/gaussian_blur.h"

using namespace Kestrix::Bevel;

namespace {

int occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

struct Texts {
  std::string vertex;
  std::string fragment;
};

Texts textsOf(double sigma) {
  GaussianBlur blur;
  blur.setSigma(sigma);
  return {blur.vertexShaderText(), blur.fragmentShaderText()};
}

}  // namespace

TEST(GaussianBlurTest, SampleRadiusIsTheEvenReachOfOneIn256) {
  const std::vector<std::pair<double, int32_t>> cases = {{1, 4},   {2, 6},   {3, 8},  {4, 10},
                                                         {5, 12},  {6, 14},  {7, 16}, {10, 22},
                                                         {12, 24}, {20, 36}, {40, 54}};
  for (const auto& [sigma, radius] : cases) {
    EXPECT_EQ(blurSampleRadius(sigma), radius) << "sigma " << sigma;
  }
}

TEST(GaussianBlurTest, SigmaIsTheRoundedSizeAndStartsAtTwo) {
  GaussianBlur blur;
  EXPECT_EQ(blur.sigma(), 2);
  EXPECT_EQ(blur.sampleRadius(), 6);
  EXPECT_EQ(blur.program(), nullptr);
  const std::vector<std::pair<double, double>> cases = {{1.4, 1}, {1.6, 2}, {2.5, 3}, {2.2, 2},
                                                        {2.4, 2}, {6.5, 7}, {40, 40}};
  for (const auto& [x, sigma] : cases) {
    blur.setSigma(x);
    EXPECT_EQ(blur.sigma(), sigma) << "setSigma " << x;
    EXPECT_EQ(blur.sampleRadius(), blurSampleRadius(sigma)) << "setSigma " << x;
  }
}

TEST(GaussianBlurTest, TapWeightsAddUpToOne) {
  for (double sigma = 1; sigma <= 40; ++sigma) {
    const std::vector<float> w = blurWeights(sigma, blurSampleRadius(sigma));
    double total = w[0];
    for (size_t i = 1; i < w.size(); ++i) total += 2.0 * w[i];
    EXPECT_NEAR(total, 1.0, 1e-6) << "sigma " << sigma;
  }
}

TEST(GaussianBlurTest, NumbersHaveSixSignificantDigitsInTheShortestForm) {
  const std::vector<std::pair<float, std::string>> cases = {{0.398943f, "0.398943"},
                                                            {1.18243f, "1.18243"},
                                                            {0.00456569f, "0.00456569"},
                                                            {2.0f, "2"},
                                                            {0.5f, "0.5"},
                                                            {1.234567e-5f, "1.23457e-05"},
                                                            {0.0001f, "0.0001"},
                                                            {999999.0f, "999999"},
                                                            {1234567.0f, "1.23457e+06"},
                                                            {15.42163f, "15.4216"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(shaderFloat(value), text);
}

TEST(GaussianBlurTest, SigmaOneTextsAreExact) {
  const Texts texts = textsOf(1);
  EXPECT_EQ(texts.vertex,
            "#version 330\n in vec2 position; in vec2 input_uv; out vec2 uv; uniform vec2 "
            "texelOffset;\n"
            "uniform vec2 viewSize;\n"
            "out vec2 blurCoordinates[5];\n"
            "void main(){\n"
            "    vec2 singleStepOffset = vec2(texelOffset.x / viewSize.x, texelOffset.y / "
            "viewSize.y);\n"
            "    blurCoordinates[0] = input_uv.xy;\n"
            "    blurCoordinates[1] = input_uv.xy + singleStepOffset * 1.18243;\n"
            "    blurCoordinates[2] = input_uv.xy - singleStepOffset * 1.18243;\n"
            "    blurCoordinates[3] = input_uv.xy + singleStepOffset * 3.02931;\n"
            "    blurCoordinates[4] = input_uv.xy - singleStepOffset * 3.02931;\n"
            "uv = input_uv; gl_Position = vec4(position, 0.0, 1.0); }");
  EXPECT_EQ(texts.fragment,
            "#version 330\n in vec2 uv; uniform sampler2D videoTexture; out vec4 colourOut;\n"
            "uniform float multiplier16bit;uniform vec2 texelOffset;\n"
            "uniform vec2 viewSize;\n"
            "in vec2 blurCoordinates[5];\n"
            "void main() {\n    vec4 sum = vec4(0.0);\n"
            "    sum += texture(videoTexture, blurCoordinates[0]) * 0.398943;\n"
            "    sum += texture(videoTexture, blurCoordinates[1]) * 0.295963;\n"
            "    sum += texture(videoTexture, blurCoordinates[2]) * 0.295963;\n"
            "    sum += texture(videoTexture, blurCoordinates[3]) * 0.00456569;\n"
            "    sum += texture(videoTexture, blurCoordinates[4]) * 0.00456569;\n"
            "    colourOut = sum;}\n");
}

TEST(GaussianBlurTest, SigmaTwoTextsCarryItsWeightsAndOffsets) {
  const auto [vertex, fragment] = textsOf(2);
  EXPECT_EQ(occurrences(vertex, "out vec2 blurCoordinates[7];\n"), 1);
  EXPECT_EQ(occurrences(fragment, "in vec2 blurCoordinates[7];\n"), 1);
  const std::vector<std::string> offsets = {"1.40733", "3.29421", "5.20181"};
  const std::vector<std::string> weights = {"0.297323", "0.0918484", "0.0109913"};
  for (size_t k = 0; k < 3; ++k) {
    const std::string plus = std::to_string(2 * k + 1);
    const std::string minus = std::to_string(2 * k + 2);
    EXPECT_EQ(occurrences(vertex, "    blurCoordinates[" + plus +
                                      "] = input_uv.xy + singleStepOffset * " + offsets[k] + ";\n"),
              1);
    EXPECT_EQ(occurrences(vertex, "    blurCoordinates[" + minus +
                                      "] = input_uv.xy - singleStepOffset * " + offsets[k] + ";\n"),
              1);
    for (const std::string& index : {plus, minus}) {
      EXPECT_EQ(occurrences(fragment, "    sum += texture(videoTexture, blurCoordinates[" + index +
                                          "]) * " + weights[k] + ";\n"),
                1);
    }
  }
  EXPECT_EQ(occurrences(fragment, "blurCoordinates[0]) * 0.199676;\n"), 1);
}

TEST(GaussianBlurTest, SigmaSevenComputesItsEighthPairPerPixel) {
  const std::string fragment = textsOf(7).fragment;
  const std::string lastVertexPair = "    sum += texture(videoTexture, blurCoordinates[14]) * ";
  const size_t last = fragment.find(lastVertexPair);
  ASSERT_NE(last, std::string::npos) << fragment;
  // After the seventh pair's line comes the eighth pair, computed from the centre coordinate.
  EXPECT_EQ(fragment.substr(fragment.find('\n', last) + 1),
            "    vec2 singlStepOffset = vec2(texelOffset.x / viewSize.x, texelOffset.y / "
            "viewSize.y);\n"
            "    sum += texture(videoTexture, blurCoordinates[0] + singlStepOffset *15.4216) * "
            "0.0101038;\n"
            "    sum += texture(videoTexture, blurCoordinates[0] - singlStepOffset *15.4216) * "
            "0.0101038;\n"
            "    colourOut = sum;}\n");
}

TEST(GaussianBlurTest, PairsBeyondSevenMoveToTheFragmentShader) {
  struct Case {
    double sigma;
    int coordinates;
    int vertexPairs;
    int fragmentPairs;
  };
  for (const Case& c : {Case{1, 5, 2, 0}, Case{2, 7, 3, 0}, Case{6, 15, 7, 0}, Case{7, 15, 7, 1},
                        Case{40, 15, 7, 20}}) {
    SCOPED_TRACE("sigma " + std::to_string(c.sigma));
    const auto [vertex, fragment] = textsOf(c.sigma);
    const std::string array = "blurCoordinates[" + std::to_string(c.coordinates) + "];\n";
    EXPECT_EQ(occurrences(vertex, "out vec2 " + array), 1);
    EXPECT_EQ(occurrences(fragment, "in vec2 " + array), 1);
    EXPECT_EQ(occurrences(vertex, "input_uv.xy + singleStepOffset * "), c.vertexPairs);
    EXPECT_EQ(occurrences(vertex, "input_uv.xy - singleStepOffset * "), c.vertexPairs);
    EXPECT_EQ(occurrences(fragment, "blurCoordinates[0] + singlStepOffset *"), c.fragmentPairs);
    EXPECT_EQ(occurrences(fragment, "blurCoordinates[0] - singlStepOffset *"), c.fragmentPairs);
    EXPECT_EQ(occurrences(fragment, "vec2 singlStepOffset = "), c.fragmentPairs > 0 ? 1 : 0);
    EXPECT_EQ(occurrences(fragment, "sum += "), 1 + 2 * (c.vertexPairs + c.fragmentPairs));
  }
}
