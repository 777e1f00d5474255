// The quellon commands. Each returns the process exit code and writes its failure to `err`.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "sdk/ae_suites.h"

namespace ostra::cli {

int runAbout(const std::string& modulePath, std::ostream& out, std::ostream& err);
int runInfo(const std::string& modulePath, std::ostream& out, std::ostream& err);
int runDemo(const std::string& modulePath, std::ostream& out, std::ostream& err);

struct HeaderOptions {
  std::string modulePath;
  std::string output;
  int scale = 1;
  std::optional<PF_App_Color> panelColor;  // the host's own when not given
};
// Draws the Effect Controls header through the module and writes it as a PNG image.
int runHeader(const HeaderOptions& options, std::ostream& out, std::ostream& err);

// OstraQuellon.so (OstraQuellon.aex on Windows) beside the running executable.
std::string defaultModulePath();

}  // namespace ostra::cli
