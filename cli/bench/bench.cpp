#include "bench/bench.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <stdexcept>
#include <thread>

#include "bench/bench_report.h"
#include "bench/distance_transform.h"
#include "bench/look_runner.h"
#include "sample_art.h"

namespace ostra::cli {
namespace {

std::pair<int, int> parseSize(const std::string& text) {
  const auto x = text.find('x');
  int width = 0, height = 0;
  const char* end = text.data() + text.size();
  const bool ok = x != std::string::npos &&
                  std::from_chars(text.data(), text.data() + x, width).ptr == text.data() + x &&
                  std::from_chars(text.data() + x + 1, end, height).ptr == end && width > 0 &&
                  height > 0 && width <= 16384 && height <= 16384;
  if (!ok) throw std::invalid_argument("--size wants WxH, each 1 to 16384, not \"" + text + "\"");
  return {width, height};
}

double elapsedMs(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// The median of three exact transforms of the artwork's mask (alpha at least half).
double distanceTransformMs(int width, int height) {
  const RgbaImage art = sampleArtwork(width, height);
  std::vector<uint8_t> inside(static_cast<size_t>(width) * height);
  for (size_t i = 0; i < inside.size(); ++i) inside[i] = art.rgba[i * 4 + 3] >= 128;
  std::vector<double> times;
  for (int i = 0; i < 3; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const std::vector<float> distances = exactDistanceTransform(inside, width, height);
    times.push_back(elapsedMs(start));
    if (distances.size() != inside.size()) throw std::logic_error("distance transform size");
  }
  std::sort(times.begin(), times.end());
  return times[1];
}

std::vector<Look> chosenLooks(const std::vector<std::string>& names) {
  if (names.empty()) return benchLooks();
  std::vector<Look> looks;
  for (const std::string& name : names) {
    const auto& all = benchLooks();
    const auto found =
        std::find_if(all.begin(), all.end(), [&](const Look& look) { return look.name == name; });
    if (found == all.end()) throw std::invalid_argument("no look named \"" + name + "\"");
    looks.push_back(*found);
  }
  return looks;
}

}  // namespace

int runBench(const BenchOptions& options, std::ostream& out, std::ostream& err) {
  try {
    std::vector<std::pair<int, int>> sizes;
    for (const std::string& size : options.sizes) sizes.push_back(parseSize(size));
    if (sizes.empty()) sizes = {{1920, 1080}, {3840, 2160}};
    const std::vector<Look> looks = chosenLooks(options.looks);
    const Look defaults = benchLooks().front();
    const std::string passTimes =
        (std::filesystem::temp_directory_path() /
         ("quellon-pass-times-" +
          std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + ".txt"))
            .string();

    BenchFigures figures;
    figures.cpuThreads = static_cast<int>(std::thread::hardware_concurrency());
    auto start = std::chrono::steady_clock::now();
    FrameRenderer renderer(options.modulePath);
    figures.setupMs = elapsedMs(start);
    figures.renderer = hostRenderer(renderer.host());
    LookRunner runner(renderer, passTimes);

    // The first frame after Global Setup builds every program the defaults use.
    const auto [firstWidth, firstHeight] = sizes.front();
    figures.firstFrameWidth = firstWidth;
    figures.firstFrameHeight = firstHeight;
    figures.firstFrameMs = runner.run(defaults, "first", firstWidth, firstHeight, 1, 0, 0).firstMs;

    const auto measure = [&](const Look& look, const std::string& group, int width, int height,
                             int downsample, const std::vector<std::string>& extra = {}) {
      err << group << ": " << look.name << " at " << width << "x" << height << "\n";
      figures.measurements.push_back(runner.run(look, group, width, height, downsample,
                                                options.frames, options.timedFrames, extra));
    };
    for (const auto& [width, height] : sizes) {
      SizeReference reference{width, height, measureCopyFloor(renderer.host(), width, height, 9),
                              distanceTransformMs(width, height)};
      figures.references.push_back(reference);
      for (const Look& look : looks) measure(look, "frame", width, height, 1);
    }
    // Scrubbing: Quality Low and a host preview at half size, with every look.
    for (const Look& look : looks) {
      measure(look, "scrub", firstWidth, firstHeight, 2, {"Quality=Low"});
    }
    if (options.scaling) {
      // 0.5, 2 and 8 megapixels at 16:9.
      for (const auto& [width, height] :
           std::vector<std::pair<int, int>>{{944, 530}, {1888, 1060}, {3776, 2120}}) {
        measure(defaults, "pixels", width, height, 1);
      }
      for (const char* bevelEnd : {"10", "100", "1000"}) {
        measure({std::string("bevel end ") + bevelEnd, {std::string("Bevel End=") + bevelEnd}},
                "bevel end", 1920, 1080, 1);
      }
    }

    printTables(figures, out);
    printTargets(figures, out);
    if (!options.json.empty()) {
      std::ofstream file(options.json);
      file << toJson(figures).dump(2) << '\n';
      if (!file) throw std::runtime_error("cannot write " + options.json);
      out << "wrote " << options.json << '\n';
    }
    return 0;
  } catch (const std::exception& failure) {
    err << "quellon bench: " << failure.what() << '\n';
    return 1;
  }
}

}  // namespace ostra::cli
