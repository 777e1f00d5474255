// Which of the dependent parameters each controlling popup shows, by parameter index.
#pragma once

#include <array>

#include "sdk/ae_basic.h"

namespace Kestrix::Bevel {

inline constexpr PF_ParamIndex kHeaderIndex = 1;
inline constexpr PF_ParamIndex kMapTypeIndex = 16;
inline constexpr PF_ParamIndex kColorIndex = 17;
inline constexpr PF_ParamIndex kMapLayerIndex = 18;
inline constexpr PF_ParamIndex kMapSizeIndex = 19;
inline constexpr PF_ParamIndex kMapEvolutionIndex = 20;
inline constexpr PF_ParamIndex kLight1TypeIndex = 27;
inline constexpr PF_ParamIndex kLight1TargetIndex = 30;
inline constexpr PF_ParamIndex kLight2TypeIndex = 35;
inline constexpr PF_ParamIndex kLight2TargetIndex = 38;

// Popup values count from 1.
inline constexpr A_long kMapTypeColor = 1;
inline constexpr A_long kMapTypeCustomLayer = 2;
inline constexpr A_long kLightTypeParallel = 2;

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
