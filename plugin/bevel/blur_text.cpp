#include "plugin/bevel/blur_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace Kestrix::Bevel {
namespace {

int32_t vertexPairs(int32_t sampleRadius) { return std::min(sampleRadius / 2, kBlurVertexPairs); }

}  // namespace

std::vector<float> blurWeights(double sigma, int32_t sampleRadius) {
  const double s = sigma * sigma;
  std::vector<float> weights(static_cast<size_t>(std::max(sampleRadius, 0)) + 1);
  // The total is summed in single precision, in tap order, so the texts stay stable across
  // compilers; every tap but the centre counts twice.
  float total = 0;
  for (size_t i = 0; i < weights.size(); ++i) {
    const double d = static_cast<double>(i);
    weights[i] =
        static_cast<float>((1.0 / std::sqrt(s * 6.2831853)) * std::exp(d * d / (s * -2.0)));
    total += i == 0 ? weights[i] : 2.0f * weights[i];
  }
  for (float& w : weights) w = w / total;
  return weights;
}

std::vector<BlurPair> blurPairs(const std::vector<float>& weights) {
  std::vector<BlurPair> pairs;
  const size_t count = weights.empty() ? 0 : (weights.size() - 1) / 2;
  for (size_t k = 0; k < count; ++k) {
    const float near = weights[2 * k + 1];
    const float far = weights[2 * k + 2];
    const float weight = far + near;
    const float offset =
        (static_cast<float>(2 * k + 2) * far + static_cast<float>(2 * k + 1) * near) / weight;
    pairs.push_back({weight, offset});
  }
  return pairs;
}

std::string shaderFloat(float value) {
  // to_chars formats as "%.6g" would in the "C" locale, whatever locale the host has set.
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
  return std::string(text, result.ptr);
}

std::string blurVertexShaderText(double sigma, int32_t sampleRadius) {
  const int32_t pairs = vertexPairs(sampleRadius);
  const std::vector<BlurPair> taps = blurPairs(blurWeights(sigma, sampleRadius));
  std::string text = "#version 330\n in vec2 position; in vec2 input_uv; out vec2 uv; ";
  text += "uniform vec2 texelOffset;\n";
  text += "uniform vec2 viewSize;\n";
  text += "out vec2 blurCoordinates[" + std::to_string(2 * pairs + 1) + "];\n";
  text += "void main(){\n";
  text +=
      "    vec2 singleStepOffset = vec2(texelOffset.x / viewSize.x, texelOffset.y / "
      "viewSize.y);\n";
  text += "    blurCoordinates[0] = input_uv.xy;\n";
  for (int32_t k = 0; k < pairs; ++k) {
    const std::string offset = shaderFloat(taps[static_cast<size_t>(k)].offset);
    text += "    blurCoordinates[" + std::to_string(2 * k + 1) +
            "] = input_uv.xy + singleStepOffset * " + offset + ";\n";
    text += "    blurCoordinates[" + std::to_string(2 * k + 2) +
            "] = input_uv.xy - singleStepOffset * " + offset + ";\n";
  }
  text += "uv = input_uv; gl_Position = vec4(position, 0.0, 1.0); }";
  return text;
}

std::string blurFragmentShaderText(double sigma, int32_t sampleRadius) {
  const int32_t pairs = vertexPairs(sampleRadius);
  const std::vector<float> weights = blurWeights(sigma, sampleRadius);
  const std::vector<BlurPair> taps = blurPairs(weights);
  const auto offsets = static_cast<int32_t>(taps.size());
  std::string text =
      "#version 330\n in vec2 uv; uniform sampler2D videoTexture; out vec4 colourOut;\n";
  text += "uniform float multiplier16bit;";
  text += "uniform vec2 texelOffset;\n";
  text += "uniform vec2 viewSize;\n";
  text += "in vec2 blurCoordinates[" + std::to_string(2 * pairs + 1) + "];\n";
  text += "void main() {\n    vec4 sum = vec4(0.0);\n";
  text +=
      "    sum += texture(videoTexture, blurCoordinates[0]) * " + shaderFloat(weights[0]) + ";\n";
  for (int32_t k = 0; k < pairs; ++k) {
    const std::string weight = shaderFloat(taps[static_cast<size_t>(k)].weight);
    for (int32_t index : {2 * k + 1, 2 * k + 2}) {
      text += "    sum += texture(videoTexture, blurCoordinates[" + std::to_string(index) +
              "]) * " + weight + ";\n";
    }
  }
  if (offsets > pairs) {
    text +=
        "    vec2 singlStepOffset = vec2(texelOffset.x / viewSize.x, texelOffset.y / "
        "viewSize.y);\n";
    for (int32_t k = pairs; k < offsets; ++k) {
      const BlurPair& tap = taps[static_cast<size_t>(k)];
      const std::string tail = shaderFloat(tap.offset) + ") * " + shaderFloat(tap.weight) + ";\n";
      text += "    sum += texture(videoTexture, blurCoordinates[0] + singlStepOffset *" + tail;
      text += "    sum += texture(videoTexture, blurCoordinates[0] - singlStepOffset *" + tail;
    }
  }
  text += "    colourOut = sum;}\n";
  return text;
}

}  // namespace Kestrix::Bevel
