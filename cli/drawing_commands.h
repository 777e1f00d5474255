// The commands that draw with Cairo: sample (the built-in artwork), demo (its contact sheet),
// header (the Effect Controls header as the host's canvas holds it) and bench (which renders the
// artwork). Linux builds only: the Windows build has no Cairo, and its host's canvas stays blank.
#pragma once

#include <CLI/CLI.hpp>

namespace ostra::cli {

void addDrawingCommands(CLI::App& app, int& exitCode);

}  // namespace ostra::cli
