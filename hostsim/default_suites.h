// The suites every Host lends from the start, each served by the current Host.
#pragma once

#include "hostsim/suite_registry.h"

namespace ostra::hostsim {

void registerDefaultSuites(SuiteRegistry& registry);

}  // namespace ostra::hostsim
