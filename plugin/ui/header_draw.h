// The header control: the panel's background, the logo mark and the site name.
#pragma once

#include "sdk/ae_effect.h"

namespace Kestrix::Bevel {

// Draws the control area of the header for a draw event (`extra` is its PF_EventExtra) and
// marks the event handled. The title row is left to the host. The result is the host's for
// the drawing reference or the logo's supplier; other Drawbot errors skip what they concern.
PF_Err DrawHeader(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                  PF_LayerDef* output, void* extra);

}  // namespace Kestrix::Bevel
