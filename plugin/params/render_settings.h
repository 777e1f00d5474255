// Every Render's values of the parameters, in the units the bevel passes work in.
#pragma once

#include "sdk/ae_effect.h"

namespace Kestrix::Bevel {

class BevelRenderer;

// Reads the parameters at the current time into the renderer's settings. Needs the calling
// thread's OpenGL context current (the Map Layer is uploaded). A setting whose parameter cannot
// be read keeps its previous value. A new Map Type discards the surface program; a new Map Layer
// texture replaces (and deletes) the previous one.
void readRenderSettings(BevelRenderer& renderer, PF_InData* in_data);

// Deletes the frame's Map Layer texture once the frame is drawn, so none outlives its frame.
void releaseMapLayer(BevelRenderer& renderer);

}  // namespace Kestrix::Bevel
