#include <exception>
#include <ostream>

#include "commands.h"
#include "report.h"

namespace ostra::cli {

int runAbout(const std::string& modulePath, std::ostream& out, std::ostream& err) {
  try {
    hostsim::Host host(modulePath);
    out << aboutText(host) << '\n';
    return 0;
  } catch (const std::exception& failure) {
    err << "quellon about: " << failure.what() << '\n';
    return 1;
  }
}

}  // namespace ostra::cli
