// quellon: drives the Ostra Quellon module through the host simulator.
#include <CLI/CLI.hpp>
#include <functional>
#include <iostream>
#include <memory>
#include <vector>

#include "commands.h"

namespace {

using Command = std::function<int(const std::string&, std::ostream&, std::ostream&)>;

void addCommand(CLI::App& app, const char* name, const char* description, Command command,
                int& exitCode) {
  CLI::App* sub = app.add_subcommand(name, description);
  auto modulePath = std::make_shared<std::string>(ostra::cli::defaultModulePath());
  sub->add_option("--module", *modulePath, "effect module to load")->capture_default_str();
  sub->callback(
      [modulePath, command, &exitCode] { exitCode = command(*modulePath, std::cout, std::cerr); });
}

// `header -o FILE [--scale N] [--panel-color R,G,B]`; the colour's channels are 0 to 255.
void addHeaderCommand(CLI::App& app, int& exitCode) {
  CLI::App* sub = app.add_subcommand("header", "draw the Effect Controls header into a PNG image");
  auto options = std::make_shared<ostra::cli::HeaderOptions>();
  options->modulePath = ostra::cli::defaultModulePath();
  auto panel = std::make_shared<std::vector<int>>();
  sub->add_option("--module", options->modulePath, "effect module to load")->capture_default_str();
  sub->add_option("-o,--output", options->output, "PNG file to write")->required();
  sub->add_option("--scale", options->scale, "pixels per panel unit")
      ->check(CLI::Range(1, 16))
      ->capture_default_str();
  sub->add_option("--panel-color", *panel, "panel background as R,G,B, each 0 to 255")
      ->delimiter(',')
      ->expected(3)
      ->check(CLI::Range(0, 255));
  sub->callback([options, panel, &exitCode] {
    if (!panel->empty()) {
      // Widened to the host's 16-bit channels: 255 becomes 65535.
      const auto wide = [](int channel) { return static_cast<A_u_short>(channel * 257); };
      options->panelColor = PF_App_Color{wide((*panel)[0]), wide((*panel)[1]), wide((*panel)[2])};
    }
    exitCode = ostra::cli::runHeader(*options, std::cout, std::cerr);
  });
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Ostra Quellon: load the effect module and send it commands"};
  app.require_subcommand(1);
  int exitCode = 0;
  addCommand(app, "about", "print the effect's About text", ostra::cli::runAbout, exitCode);
  addCommand(app, "info", "print what the effect's PiPL says", ostra::cli::runInfo, exitCode);
  addCommand(app, "demo", "About, the listing, then Global Setup and Global Setdown",
             ostra::cli::runDemo, exitCode);
  addHeaderCommand(app, exitCode);
  CLI11_PARSE(app, argc, argv);
  return exitCode;
}
