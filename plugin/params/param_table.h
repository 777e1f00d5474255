// The parameters the effect declares, in index order from 1.
#pragma once

#include <span>

#include "sdk/ae_params.h"

namespace Kestrix::Bevel {

struct ParamDeclaration {
  // Filled as the host expects it, everything else zero; the name is not in it (the host's
  // strcpy copies it in at declaration).
  PF_ParamDef record;
  const char* name;
};

// The 42 declarations, for indices 1 to 42.
std::span<const ParamDeclaration> paramDeclarations();

}  // namespace Kestrix::Bevel
