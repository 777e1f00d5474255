// Random looks for long and random runs: every declared parameter gets a value drawn from its
// valid range, and now and then one a little beyond it, as a script or a damaged project might
// send. The same seed gives the same looks.
#pragma once

#include <random>

#include "hostsim/param_store.h"

namespace ostra::test {

struct LookBounds {
  double width = 0;  // the layer's size, which points are spread over (and a little past)
  double height = 0;
  const PF_LayerDef* mapLayer = nullptr;  // what every layer parameter gets; null for none
  double beyondShare = 0.1;               // the share of values drawn past their range
};

// Sets a random static value on every parameter after the input layer.
void applyRandomLook(hostsim::ParamStore& params, std::mt19937& random, const LookBounds& bounds);

}  // namespace ostra::test
