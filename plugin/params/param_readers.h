// Reading one parameter's value at the current time through the host's checkout. Each reader
// returns whether it wrote the destination: a failed checkout or a parameter of another type
// leaves it as it was.
#pragma once

#include <cstdint>

#include "sdk/ae_effect.h"

namespace Kestrix::Bevel {

// Sliders give their integer, fixed sliders their whole part, float sliders their double.
bool readNumber(PF_InData* in_data, PF_ParamIndex index, double* value);
bool readPercent(PF_InData* in_data, PF_ParamIndex index, double* value);
bool readAngle(PF_InData* in_data, PF_ParamIndex index, double* degrees);
// Red, green, blue, alpha in 0 to 1.
bool readColor(PF_InData* in_data, PF_ParamIndex index, double (*rgba)[4]);
// Layer pixels.
bool readPoint(PF_InData* in_data, PF_ParamIndex index, double (*xy)[2]);
// The choice counted from 0.
bool readPopup(PF_InData* in_data, PF_ParamIndex index, int32_t* choice);
// Uploads the chosen layer into a new texture the caller owns; texture 0 and size (0, 0) when
// no layer is chosen. Needs an OpenGL context current; the upload's failures are thrown.
bool readLayer(PF_InData* in_data, PF_ParamIndex index, uint32_t* texture, double (*size)[2]);

}  // namespace Kestrix::Bevel
