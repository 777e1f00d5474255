// The declared parameters as a user reads them: `quellon params` prints these, and the names
// are those `--set` accepts.
#pragma once

#include <iosfwd>

#include "hostsim/param_store.h"

namespace ostra::cli {

void printParams(const hostsim::ParamStore& store, std::ostream& out);
void printParamsJson(const hostsim::ParamStore& store, std::ostream& out);

}  // namespace ostra::cli
