#include <exception>
#include <ostream>

#include "commands.h"
#include "hostsim/module.h"
#include "hostsim/pipl_decoder.h"
#include "report.h"

namespace ostra::cli {

// Only the PiPL is read, as a host does when it lists effects: no command is sent.
int runInfo(const std::string& modulePath, std::ostream& out, std::ostream& err) {
  try {
    const hostsim::Module module(modulePath);
    printListing(hostsim::listingFromPipl(hostsim::decodePipl(module.piplBytes())), out);
    return 0;
  } catch (const std::exception& failure) {
    err << "quellon info: " << failure.what() << '\n';
    return 1;
  }
}

}  // namespace ostra::cli
