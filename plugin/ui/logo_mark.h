// The maker's logo mark: a round shell with a faceted counter and a long tapering tail, the
// letter Q drawn as a bevelled relief seen edge-on.
#pragma once

#include "sdk/drawbot.h"

namespace Kestrix::Bevel {

// Adds the mark to `path` as closed subpaths, offset by (left, top). Every point lies within
// x 0.46 to 111.21 and y 8.33 to 40.61 of the offset; the counter winds against the shell, so
// it stays open under the non-zero rule. The host's results are not acted on.
void buildLogoMark(const DRAWBOT_PathSuite1& pathSuite, DRAWBOT_PathRef path, float left,
                   float top);

}  // namespace Kestrix::Bevel
