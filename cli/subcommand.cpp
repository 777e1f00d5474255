#include "subcommand.h"

#include <iostream>
#include <memory>

#include "commands.h"

namespace ostra::cli {

CLI::App* addCommand(CLI::App& app, const char* name, const char* description, Command command,
                     int& exitCode) {
  CLI::App* sub = app.add_subcommand(name, description);
  auto modulePath = std::make_shared<std::string>(defaultModulePath());
  sub->add_option("--module", *modulePath, "effect module to load")->capture_default_str();
  sub->callback(
      [modulePath, command, &exitCode] { exitCode = command(*modulePath, std::cout, std::cerr); });
  return sub;
}

}  // namespace ostra::cli
