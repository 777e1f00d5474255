// Where each parameter sits in the host's list. Index 0 is the input layer, supplied by the
// host; the positions are what every command reads by, the IDs are what projects save.
#pragma once

namespace Kestrix::Bevel {

enum ParamIndex : int {
  kInputLayer = 0,
  kHeader = 1,
  kBevelGroup = 2,
  kBevelStart = 3,
  kBevelEnd = 4,
  kBevelHeight = 5,
  kGamma = 6,
  kSmooth = 7,
  kExtrude = 8,
  kExtrudeCenter = 9,
  kBevelGroupEnd = 10,
  kRefineEdgeGroup = 11,
  kEdgeClip = 12,
  kEdgeFeather = 13,
  kRefineEdgeGroupEnd = 14,
  kRenderGroup = 15,
  kMapType = 16,
  kColor = 17,
  kMapLayer = 18,
  kMapSize = 19,
  kMapEvolution = 20,
  kMetallic = 21,
  kRoughness = 22,
  kAmbient = 23,
  kExtrusionDarken = 24,
  kQuality = 25,
  kLight1Group = 26,
  kLight1Type = 27,
  kLight1Position = 28,
  kLight1Height = 29,
  kLight1Target = 30,
  kLight1Color = 31,
  kLight1Intensity = 32,
  kLight1GroupEnd = 33,
  kLight2Group = 34,
  kLight2Type = 35,
  kLight2Position = 36,
  kLight2Height = 37,
  kLight2Target = 38,
  kLight2Color = 39,
  kLight2Intensity = 40,
  kLight2GroupEnd = 41,
  kRenderGroupEnd = 42,
  kParamCount = 43,  // the input layer and the 42 declared parameters
};

// Popup choices, counted from 1 as the host does.
enum MapTypeChoice : int { kMapColor = 1, kMapCustomLayer, kMapGolden, kMapCyberPunk, kMapRainbow };
enum LightTypeChoice : int { kPointLight = 1, kParallelLight };

}  // namespace Kestrix::Bevel
