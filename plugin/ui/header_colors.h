// The header's two colours: the host panel's background and the maker's accent.
#pragma once

#include "sdk/ae_effect.h"
#include "sdk/drawbot.h"

namespace Kestrix::Bevel {

struct HeaderColors {
  DRAWBOT_ColorRGBA background;
  DRAWBOT_ColorRGBA accent;
};

// Built on the first call and kept for the life of the process, so the header keeps the panel
// colour it was first drawn on. A build that fails (A_Err_MISSING_SUITE, or the host's own
// error for the colour) throws, and the next call builds again.
const HeaderColors& GetHeaderColors(PF_InData* in_data);

}  // namespace Kestrix::Bevel
