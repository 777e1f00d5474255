#include "report.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <stdexcept>

namespace ostra::cli {
namespace {

std::string hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%08X", value);
  return text;
}

std::string pair(const hostsim::VersionPair& version) {
  return std::to_string(version.major) + "." + std::to_string(version.minor);
}

}  // namespace

std::string aboutText(hostsim::Host& host) {
  const hostsim::CallResult result = host.send(PF_Cmd_ABOUT);
  if (result.err != PF_Err_NONE) {
    throw std::runtime_error("About failed with error " + std::to_string(result.err));
  }
  const PF_OutData& out = host.outData();
  // return_msg need not be terminated by the module; never read past its end.
  const char* end = std::find(out.return_msg, out.return_msg + sizeof(out.return_msg), '\0');
  std::string text(out.return_msg, end);
  std::replace(text.begin(), text.end(), '\r', '\n');
  return text;
}

void printListing(const hostsim::EffectListing& listing, std::ostream& out) {
  out << "name:          " << listing.name << '\n'
      << "category:      " << listing.category << '\n'
      << "match name:    " << listing.matchName << '\n'
      << "entry point:   " << listing.entryPoint << '\n'
      << "kind:          " << listing.kind << '\n'
      << "PiPL version:  " << pair(listing.piplVersion) << '\n'
      << "API version:   " << pair(listing.specVersion) << '\n'
      << "version:       " << hostsim::formatVersionWord(listing.version) << '\n'
      << "global flags:  " << hex(listing.globalFlags) << '\n'
      << "flags 2:       " << hex(listing.flags2) << '\n'
      << "AE flags:      " << hex(listing.aeFlags) << '\n';
}

}  // namespace ostra::cli
