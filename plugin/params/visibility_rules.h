// Which of the dependent parameters each controlling popup shows, by parameter index.
#pragma once

#include <array>

#include "plugin/params/param_index.h"
#include "sdk/ae_basic.h"

namespace Kestrix::Bevel {

// The controlling popups and their dependents, by their place in the parameter list.
inline constexpr PF_ParamIndex kHeaderIndex = kHeader;
inline constexpr PF_ParamIndex kMapTypeIndex = kMapType;
inline constexpr PF_ParamIndex kColorIndex = kColor;
inline constexpr PF_ParamIndex kMapLayerIndex = kMapLayer;
inline constexpr PF_ParamIndex kMapSizeIndex = kMapSize;
inline constexpr PF_ParamIndex kMapEvolutionIndex = kMapEvolution;
inline constexpr PF_ParamIndex kLight1TypeIndex = kLight1Type;
inline constexpr PF_ParamIndex kLight1TargetIndex = kLight1Target;
inline constexpr PF_ParamIndex kLight2TypeIndex = kLight2Type;
inline constexpr PF_ParamIndex kLight2TargetIndex = kLight2Target;

// Popup values count from 1.
inline constexpr A_long kMapTypeColor = kMapColor;
inline constexpr A_long kMapTypeCustomLayer = kMapCustomLayer;
inline constexpr A_long kLightTypeParallel = kParallelLight;

struct ParamVisibility {
  PF_ParamIndex index;
  bool visible;
};

// Color, Map Layer, Map Size and Map Evolution, in that order. The three patterns (and any
// value the table does not know) share one rule: size and evolution only.
constexpr std::array<ParamVisibility, 4> mapTypeVisibility(A_long mapType) {
  const bool color = mapType == kMapTypeColor;
  const bool layer = mapType == kMapTypeCustomLayer;
  const bool pattern = !color && !layer;
  return {{{kColorIndex, color},
           {kMapLayerIndex, layer},
           {kMapSizeIndex, pattern},
           {kMapEvolutionIndex, pattern}}};
}

// A light's target point matters only to a parallel light.
constexpr ParamVisibility lightTargetVisibility(PF_ParamIndex target, A_long lightType) {
  return {target, lightType == kLightTypeParallel};
}

}  // namespace Kestrix::Bevel
