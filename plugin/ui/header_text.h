// One line of text in the header, through the Drawbot suites.
#pragma once

#include "sdk/ae_effect.h"
#include "sdk/drawbot.h"

namespace Kestrix::Bevel {

// The text buffer the host receives, terminator included.
inline constexpr int kHeaderTextUnits = 256;

// Draws `text` (UTF-16, terminated) left-aligned in `rect` (left, top, right, bottom), its
// baseline centring one line of the font's size, cut with an ellipsis at the rectangle's
// width. A font size of 0 asks the host for its default. Returns the first Drawbot error;
// without a surface, supplier or font size nothing is created or drawn. Text longer than the
// buffer is cut to fit. Creating the brush or font may raise DRAWBOT_Exception.
A_Err DrawHeaderText(PF_InData* in_data, DRAWBOT_DrawRef drawRef, const DRAWBOT_Suites& suites,
                     const DRAWBOT_ColorRGBA& color, const PF_Rect& rect, float fontSize,
                     const DRAWBOT_UTF16Char* text);

}  // namespace Kestrix::Bevel
