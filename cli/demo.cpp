#include <exception>
#include <ostream>

#include "commands.h"
#include "report.h"

namespace ostra::cli {
namespace {

// The module prints its own OpenGL report to stdout during the call; flush ours first so the
// two stay in order.
bool sendAndReport(hostsim::Host& host, PF_Cmd cmd, const char* label, std::ostream& out) {
  out << label << ":\n" << std::flush;
  const hostsim::CallResult result = host.send(cmd);
  out << label << " returned " << result.err << ", host context "
      << (result.hostContextCurrent ? "restored" : "NOT restored") << '\n';
  return result.err == PF_Err_NONE && result.hostContextCurrent;
}

}  // namespace

int runDemo(const std::string& modulePath, std::ostream& out, std::ostream& err) {
  try {
    hostsim::Host host(modulePath);
    out << aboutText(host) << "\n\n";
    printListing(host.listing(), out);
    out << '\n';
    bool ok = sendAndReport(host, PF_Cmd_GLOBAL_SETUP, "Global Setup", out);
    ok = sendAndReport(host, PF_Cmd_GLOBAL_SETDOWN, "Global Setdown", out) && ok;
    if (!ok) {
      err << "quellon demo: a command failed or left the host context changed\n";
      return 1;
    }
    return 0;
  } catch (const std::exception& failure) {
    err << "quellon demo: " << failure.what() << '\n';
    return 1;
  }
}

}  // namespace ostra::cli
