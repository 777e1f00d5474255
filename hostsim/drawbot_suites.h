// The four Drawbot suites, served by the current Host's DrawbotHost; once no Host lives every
// call fails.
#pragma once

#include "sdk/drawbot.h"

namespace ostra::hostsim {

const DRAWBOT_DrawbotSuite1& drawbotDrawSuite();
const DRAWBOT_SupplierSuite1& drawbotSupplierSuite();
const DRAWBOT_SurfaceSuite2& drawbotSurfaceSuite();
const DRAWBOT_PathSuite1& drawbotPathSuite();

}  // namespace ostra::hostsim
