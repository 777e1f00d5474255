// quellon: drives the Ostra Quellon module through the host simulator.
#include <CLI/CLI.hpp>
#include <functional>
#include <iostream>

#include "commands.h"

namespace {

using Command = std::function<int(const std::string&, std::ostream&, std::ostream&)>;

CLI::App* addCommand(CLI::App& app, const char* name, const char* description, Command command,
                     int& exitCode) {
  CLI::App* sub = app.add_subcommand(name, description);
  auto modulePath = std::make_shared<std::string>(ostra::cli::defaultModulePath());
  sub->add_option("--module", *modulePath, "effect module to load")->capture_default_str();
  sub->callback(
      [modulePath, command, &exitCode] { exitCode = command(*modulePath, std::cout, std::cerr); });
  return sub;
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
  auto paramsJson = std::make_shared<bool>(false);
  addCommand(
      app, "params", "declare the parameters and list them",
      [paramsJson](const std::string& module, std::ostream& out, std::ostream& err) {
        return ostra::cli::runParams(module, *paramsJson, out, err);
      },
      exitCode)
      ->add_flag("--json", *paramsJson, "print JSON");
  CLI11_PARSE(app, argc, argv);
  return exitCode;
}
