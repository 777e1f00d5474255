#include "drawing_commands.h"

#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench.h"
#include "commands.h"
#include "subcommand.h"

namespace ostra::cli {
namespace {

// `header -o FILE [--scale N] [--panel-color R,G,B]`; the colour's channels are 0 to 255.
void addHeaderCommand(CLI::App& app, int& exitCode) {
  CLI::App* sub = app.add_subcommand("header", "draw the Effect Controls header into a PNG image");
  auto options = std::make_shared<HeaderOptions>();
  options->modulePath = defaultModulePath();
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
    exitCode = runHeader(*options, std::cout, std::cerr);
  });
}

// `bench [--size WxH]... [--frames N] [--timed-frames N] [--scaling] [--look NAME]...
// [--json FILE]`.
void addBenchCommand(CLI::App& app, int& exitCode) {
  CLI::App* sub = app.add_subcommand("bench", "time warm frames of the module's Render");
  auto options = std::make_shared<BenchOptions>();
  options->modulePath = defaultModulePath();
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
  sub->callback([options, &exitCode] { exitCode = runBench(*options, std::cout, std::cerr); });
}

}  // namespace

void addDrawingCommands(CLI::App& app, int& exitCode) {
  auto demoDir = std::make_shared<std::string>("out");
  addCommand(
      app, "demo", "render the built-in artwork through a set of looks",
      [demoDir](const std::string& module, std::ostream& out, std::ostream& err) {
        return runDemo(module, *demoDir, out, err);
      },
      exitCode)
      ->add_option("--out", *demoDir, "folder for the pictures")
      ->capture_default_str();
  auto sampleOutput = std::make_shared<std::string>();
  auto sampleSize = std::make_shared<std::pair<int, int>>(256, 128);
  CLI::App* sample = app.add_subcommand("sample", "write the built-in artwork as a PNG");
  sample->add_option("-o,--output", *sampleOutput, "output PNG")->required();
  sample->add_option("--width", sampleSize->first, "width")->capture_default_str();
  sample->add_option("--height", sampleSize->second, "height")->capture_default_str();
  sample->callback([sampleOutput, sampleSize, &exitCode] {
    exitCode =
        runSample(*sampleOutput, sampleSize->first, sampleSize->second, std::cout, std::cerr);
  });
  addHeaderCommand(app, exitCode);
  addBenchCommand(app, exitCode);
}

}  // namespace ostra::cli
