// A quellon command that loads the effect module: `--module PATH`, by default the module beside
// quellon.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <iosfwd>
#include <string>

namespace ostra::cli {

// Runs with the module's path, standard output and standard error; returns the exit code.
using Command = std::function<int(const std::string&, std::ostream&, std::ostream&)>;

// Adds `name` to `app`; when it is chosen, `exitCode` gets what `command` returns.
CLI::App* addCommand(CLI::App& app, const char* name, const char* description, Command command,
                     int& exitCode);

}  // namespace ostra::cli
