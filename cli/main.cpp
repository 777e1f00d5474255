// quellon: drives the Ostra Quellon module through the host simulator.
#include <CLI/CLI.hpp>
#include <functional>
#include <iostream>
#include <memory>
#include <vector>

#include "bench/bench.h"
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

// `bench [--size WxH]... [--frames N] [--timed-frames N] [--scaling] [--look NAME]...
// [--json FILE]`.
void addBenchCommand(CLI::App& app, int& exitCode) {
  CLI::App* sub = app.add_subcommand("bench", "time warm frames of the module's Render");
  auto options = std::make_shared<ostra::cli::BenchOptions>();
  options->modulePath = ostra::cli::defaultModulePath();
  sub->add_option("--module", options->modulePath, "effect module to load")->capture_default_str();
  sub->add_option("--size", options->sizes, "WxH (default 1920x1080 and 3840x2160)");
  sub->add_option("--frames", options->frames, "warm frames timed per look")
      ->check(CLI::Range(1, 1000))
      ->capture_default_str();
  sub->add_option("--timed-frames", options->timedFrames, "frames with the pass timers on")
      ->check(CLI::Range(0, 1000))
      ->capture_default_str();
  sub->add_flag("--scaling", options->scaling, "also time against pixels and Bevel End");
  sub->add_option("--look", options->looks, "only this look (repeatable)");
  sub->add_option("--json", options->json, "also write the figures as JSON");
  sub->callback(
      [options, &exitCode] { exitCode = ostra::cli::runBench(*options, std::cout, std::cerr); });
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Ostra Quellon: load the effect module and send it commands"};
  app.require_subcommand(1);
  int exitCode = 0;
  addCommand(app, "about", "print the effect's About text", ostra::cli::runAbout, exitCode);
  addCommand(app, "info", "print what the effect's PiPL says", ostra::cli::runInfo, exitCode);
  auto demoDir = std::make_shared<std::string>("out");
  addCommand(
      app, "demo", "render the built-in artwork through a set of looks",
      [demoDir](const std::string& module, std::ostream& out, std::ostream& err) {
        return ostra::cli::runDemo(module, *demoDir, out, err);
      },
      exitCode)
      ->add_option("--out", *demoDir, "folder for the pictures")
      ->capture_default_str();
  auto paramsJson = std::make_shared<bool>(false);
  auto paramsSets = std::make_shared<std::vector<std::string>>();
  CLI::App* params = addCommand(
      app, "params", "declare the parameters and list them",
      [paramsJson, paramsSets](const std::string& module, std::ostream& out, std::ostream& err) {
        return ostra::cli::runParams(module, *paramsJson, *paramsSets, out, err);
      },
      exitCode);
  params->add_flag("--json", *paramsJson, "print JSON");
  params->add_option("--set", *paramsSets, "NAME=VALUE, applied as a user's change");
  auto render = std::make_shared<ostra::cli::RenderOptions>();
  CLI::App* renderCommand = addCommand(
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
  auto sampleOutput = std::make_shared<std::string>();
  auto sampleSize = std::make_shared<std::pair<int, int>>(256, 128);
  CLI::App* sample = app.add_subcommand("sample", "write the built-in artwork as a PNG");
  sample->add_option("-o,--output", *sampleOutput, "output PNG")->required();
  sample->add_option("--width", sampleSize->first, "width")->capture_default_str();
  sample->add_option("--height", sampleSize->second, "height")->capture_default_str();
  sample->callback([sampleOutput, sampleSize, &exitCode] {
    exitCode = ostra::cli::runSample(*sampleOutput, sampleSize->first, sampleSize->second,
                                     std::cout, std::cerr);
  });
  addHeaderCommand(app, exitCode);
  addBenchCommand(app, exitCode);
  CLI11_PARSE(app, argc, argv);
  return exitCode;
}
