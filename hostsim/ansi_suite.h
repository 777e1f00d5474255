// The host's C string helpers, lent both as "PF ANSI Suite" v1 and through PF_InData's utils.
#pragma once

#include "sdk/ae_effect.h"
#include "sdk/ae_suites.h"

namespace ostra::hostsim {

// The size the host assumes for a sprintf destination: return_msg and the like are 256 bytes.
inline constexpr int kAnsiBufferSize = 256;

const PF_ANSICallbacksSuite1& ansiSuite();
PF_ANSICallbacks ansiCallbacks();

}  // namespace ostra::hostsim
