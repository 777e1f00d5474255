// in_data->inter: the callbacks through which an effect declares and reads its parameters.
#pragma once

#include "sdk/ae_effect.h"

namespace ostra::hostsim {

// Each callback finds its Host through effect_ref, and refuses any other reference.
PF_InteractCallbacks interactCallbacks();

}  // namespace ostra::hostsim
