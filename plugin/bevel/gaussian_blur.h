// The smoothing blur of the height map: a separable Gaussian whose shader pair is generated as
// text from the blur size, using linear sampling so each read stands for two taps.
#pragma once

#include <glbinding/gl33core/gl.h>
#include <cstdint>
#include <memory>
#include <string>

#include "plugin/gpu/opengl_shader.h"

namespace Kestrix::Bevel {

class GaussianBlur {
 public:
  GaussianBlur();
  ~GaussianBlur();
  GaussianBlur(const GaussianBlur&) = delete;
  GaussianBlur& operator=(const GaussianBlur&) = delete;

  // Rounds x (halves away from zero); a new rounded size marks the program for regeneration.
  void setSigma(double x);
  // Vertical then horizontal pass from `source` into `destination`, both of viewSize, drawn with
  // the caller's vertex array and quad buffer (left bound afterwards).
  void run(gl::GLuint vertexArray, gl::GLuint vertexBuffer, const double (&viewSize)[2],
           gl::GLuint source, gl::GLuint destination);

  std::string vertexShaderText() const;
  std::string fragmentShaderText() const;

  int32_t sampleRadius() const { return sampleRadius_; }
  double sigma() const { return sigma_; }
  // The program in use; null until the first run.
  const OpenglShader* program() const { return program_.get(); }

 private:
  std::unique_ptr<OpenglShader> program_;
  int32_t sampleRadius_ = 6;
  double sigma_ = 2;
  double requestedSize_ = 2;
  bool dirty_ = true;
  double viewSize_[2] = {0, 0};
};

// n for sigma >= 1: where the normalised Gaussian falls to 1/256, rounded down, then up to even.
int32_t blurSampleRadius(double sigma);

}  // namespace Kestrix::Bevel
