// quellon: drives the Ostra Quellon module through the host simulator.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <vector>

#include "commands.h"
#include "drawing_commands.h"
#include "subcommand.h"

int main(int argc, char** argv) {
  CLI::App app{"Ostra Quellon: load the effect module and send it commands"};
  app.require_subcommand(1);
  // Options are written --name on every build, so an argument starting with "/" is a path,
  // whatever CLI11 takes it for on Windows. Subcommands inherit this as they are added.
  app.allow_windows_style_options(false);
  int exitCode = 0;
  ostra::cli::addCommand(app, "about", "print the effect's About text", ostra::cli::runAbout,
                         exitCode);
  ostra::cli::addCommand(app, "info", "print what the effect's PiPL says", ostra::cli::runInfo,
                         exitCode);
  auto paramsJson = std::make_shared<bool>(false);
  auto paramsSets = std::make_shared<std::vector<std::string>>();
  CLI::App* params = ostra::cli::addCommand(
      app, "params", "declare the parameters and list them",
      [paramsJson, paramsSets](const std::string& module, std::ostream& out, std::ostream& err) {
        return ostra::cli::runParams(module, *paramsJson, *paramsSets, out, err);
      },
      exitCode);
  params->add_flag("--json", *paramsJson, "print JSON");
  params->add_option("--set", *paramsSets, "NAME=VALUE, applied as a user's change");
  auto render = std::make_shared<ostra::cli::RenderOptions>();
  CLI::App* renderCommand = ostra::cli::addCommand(
      app, "render", "render a PNG through the effect",
      [render](const std::string& module, std::ostream& out, std::ostream& err) {
        return ostra::cli::runRender(module, *render, out, err);
      },
      exitCode);
  renderCommand->add_option("input", render->input, "input PNG (RGBA, straight alpha)")->required();
  renderCommand
      ->add_option("-o,--output", render->output,
                   "output PNG, or a pattern like out_####.png with --frames")
      ->required();
  renderCommand->add_option("--set", render->sets, "NAME=VALUE, as quellon params names them");
  renderCommand->add_option("--params", render->paramsFile, "JSON object of NAME: VALUE");
  renderCommand->add_option("--key", render->keys, "NAME=T0:V0,T1:V1,... keyframes in seconds");
  renderCommand->add_option("--map-layer", render->mapLayer, "PNG used as the Map Layer");
  renderCommand->add_option("--downsample", render->downsample, "render at 1/N size, as a preview")
      ->check(CLI::Range(1, 64));
  renderCommand->add_option("--time", render->time, "time in seconds");
  renderCommand->add_option("--frames", render->frames, "A..B: render frames A to B");
  renderCommand->add_option("--fps", render->fps, "frames per second for --frames")
      ->capture_default_str();
  auto compared = std::make_shared<std::pair<std::string, std::string>>();
  CLI::App* compare =
      app.add_subcommand("compare", "compare two PNG images within the goldens' tolerance");
  compare->add_option("first", compared->first, "PNG image")->required();
  compare->add_option("second", compared->second, "PNG image")->required();
  compare->callback([compared, &exitCode] {
    exitCode = ostra::cli::runCompare(compared->first, compared->second, std::cout, std::cerr);
  });
#if OSTRA_QUELLON_DRAWS
  ostra::cli::addDrawingCommands(app, exitCode);
#endif
  CLI11_PARSE(app, argc, argv);
  return exitCode;
}
