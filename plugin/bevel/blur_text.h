// The arithmetic and text behind the generated blur shaders: tap weights, the linear-sampling
// pairs that fold two taps into one read, and the shader texts built from them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Kestrix::Bevel {

// Offset pairs beyond this many are computed per pixel instead of being interpolated.
inline constexpr int32_t kBlurVertexPairs = 7;

// One read between taps 2k + 1 and 2k + 2: the summed weight and the offset in texels.
struct BlurPair {
  float weight = 0;
  float offset = 0;
};

// w_0 … w_n, normalised so that the 2n + 1 taps w_|i| add up to 1.
std::vector<float> blurWeights(double sigma, int32_t sampleRadius);
// n / 2 pairs from the weights of blurWeights.
std::vector<BlurPair> blurPairs(const std::vector<float>& weights);

// Six significant digits, "%g" style, independent of the C locale's decimal point.
std::string shaderFloat(float value);

std::string blurVertexShaderText(double sigma, int32_t sampleRadius);
std::string blurFragmentShaderText(double sigma, int32_t sampleRadius);

}  // namespace Kestrix::Bevel
