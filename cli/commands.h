// The quellon commands. Each returns the process exit code and writes its failure to `err`.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "sdk/ae_suites.h"

namespace ostra::cli {

int runAbout(const std::string& modulePath, std::ostream& out, std::ostream& err);
int runInfo(const std::string& modulePath, std::ostream& out, std::ostream& err);
// Declares the parameters, applies each NAME=VALUE as a user's change and lists them all.
int runParams(const std::string& modulePath, bool asJson, const std::vector<std::string>& sets,
              std::ostream& out, std::ostream& err);
struct RenderOptions {
  std::string input;
  std::string output;
  std::vector<std::string> sets;  // NAME=VALUE
  std::vector<std::string> keys;  // NAME=T0:V0,T1:V1,...
  std::string paramsFile;
  std::string mapLayer;
  int downsample = 1;
  double time = 0;
  std::string frames;  // A..B; the output is then a pattern with #s
  double fps = 30;
};
int runRender(const std::string& modulePath, const RenderOptions& options, std::ostream& out,
              std::ostream& err);
// Compares two PNG images as the golden renders are judged; exit code 0 within the tolerance.
int runCompare(const std::string& first, const std::string& second, std::ostream& out,
               std::ostream& err);
// Writes the built-in artwork.
int runSample(const std::string& output, int width, int height, std::ostream& out,
              std::ostream& err);
// Renders the built-in artwork through a set of looks into `outDir`: one PNG per look and
// demo.png, all of them on one labelled sheet.
int runDemo(const std::string& modulePath, const std::string& outDir, std::ostream& out,
            std::ostream& err);

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
