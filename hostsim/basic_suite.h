// The SPBasicSuite handed to the module in PF_InData's pica_basicP.
#pragma once

#include "sdk/sp_basic.h"

namespace ostra::hostsim {

// Acquire and release go to the current Host's suite registry; the block functions are the C
// heap's.
const SPBasicSuite& basicSuite();

}  // namespace ostra::hostsim
