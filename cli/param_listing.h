// The declared parameters as a user reads them: `quellon params` prints these, and the names
// are those `--set` accepts.
#pragma once

#include <iosfwd>

#include "hostsim/host.h"

namespace ostra::cli {

// With the host, a column says which parameters the host hides.
void printParams(const hostsim::Host& host, std::ostream& out);
void printParamsJson(const hostsim::Host& host, std::ostream& out);

}  // namespace ostra::cli
