// Text shared by the commands: the About message and the PiPL listing as a user reads them.
#pragma once

#include <iosfwd>
#include <string>

#include "hostsim/effect_listing.h"
#include "hostsim/host.h"

namespace ostra::cli {

// The About command's return_msg with its carriage returns turned into newlines. Throws
// std::runtime_error naming the error when the command fails.
std::string aboutText(hostsim::Host& host);
void printListing(const hostsim::EffectListing& listing, std::ostream& out);

}  // namespace ostra::cli
