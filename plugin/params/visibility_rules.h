// Which of the dependent parameters each controlling popup shows, by parameter index.
#pragma once

#include <array>

#include "plugin/params/param_index.h"
#include "sdk/ae_basic.h"

namespace Kestrix::Bevel {

struct ParamVisibility {
  PF_ParamIndex index;
  bool visible;
};

// Color, Map Layer, Map Size and Map Evolution, in that order. The three patterns (and any
// value the table does not know) share one rule: size and evolution only.
constexpr std::array<ParamVisibility, 4> mapTypeVisibility(A_long mapType) {
  const bool color = mapType == kMapColor;
  const bool layer = mapType == kMapCustomLayer;
  const bool pattern = !color && !layer;
  return {{{kColor, color}, {kMapLayer, layer}, {kMapSize, pattern}, {kMapEvolution, pattern}}};
}

// A light's target point matters only to a parallel light.
constexpr ParamVisibility lightTargetVisibility(PF_ParamIndex target, A_long lightType) {
  return {target, lightType == kParallelLight};
}

}  // namespace Kestrix::Bevel
