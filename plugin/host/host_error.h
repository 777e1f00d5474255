// Failures inside the plug-in travel as thrown integer codes; the entry point turns them into
// one host error code.
#pragma once

#include "sdk/ae_basic.h"

namespace Kestrix::Bevel {

[[noreturn]] inline void throwHostError(PF_Err code) { throw static_cast<int>(code); }

}  // namespace Kestrix::Bevel
