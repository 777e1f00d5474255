#include <charconv>
#include <cmath>
#include <exception>
#include <fstream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <stdexcept>

#include "commands.h"
#include "frame_renderer.h"
#include "param_values.h"

namespace ostra::cli {
namespace {

struct FrameRange {
  int first = 0;
  int last = 0;
};

FrameRange parseFrames(const std::string& text) {
  const auto dots = text.find("..");
  FrameRange range;
  const auto number = [&](std::string_view part, int* value) {
    const auto [ptr, ec] = std::from_chars(part.data(), part.data() + part.size(), *value);
    return ec == std::errc() && ptr == part.data() + part.size();
  };
  if (dots == std::string::npos || !number(std::string_view(text).substr(0, dots), &range.first) ||
      !number(std::string_view(text).substr(dots + 2), &range.last) || range.first < 0 ||
      range.last < range.first) {
    throw std::invalid_argument("--frames wants A..B with 0 <= A <= B, not \"" + text + "\"");
  }
  return range;
}

// out_####.png with frame 7 gives out_0007.png; the run of #s sets the width.
std::string framePath(const std::string& pattern, int frame) {
  const auto start = pattern.find('#');
  if (start == std::string::npos) {
    throw std::invalid_argument("the output of --frames needs #s for the frame number: " + pattern);
  }
  const auto end = pattern.find_first_not_of('#', start);
  const std::size_t width = (end == std::string::npos ? pattern.size() : end) - start;
  std::string number = std::to_string(frame);
  if (number.size() < width) number.insert(0, width - number.size(), '0');
  return pattern.substr(0, start) + number + (end == std::string::npos ? "" : pattern.substr(end));
}

void applyValues(hostsim::ParamStore& store, const RenderOptions& options) {
  if (!options.paramsFile.empty()) {
    std::ifstream file(options.paramsFile);
    if (!file) throw std::runtime_error("cannot open " + options.paramsFile);
    nlohmann::json values;
    try {
      values = nlohmann::json::parse(file);
    } catch (const nlohmann::json::exception& bad) {
      throw std::runtime_error(options.paramsFile + ": " + bad.what());
    }
    if (!values.is_object()) throw std::runtime_error(options.paramsFile + ": not an object");
    for (const auto& [name, value] : values.items()) {
      const int index = settableIndex(store, name);
      store.setValue(index, jsonValue(store, index, value));
    }
  }
  for (const std::string& set : options.sets) applyAssignment(store, set);
  for (const std::string& key : options.keys) {
    const auto [name, text] = splitAssignment(key);
    const int index = settableIndex(store, name);
    for (const Keyframe& frame : parseKeyframes(store, index, text)) {
      store.addKeyframe(index, frame.seconds, frame.value);
    }
  }
}

void progress(std::ostream& err, int done, int total) {
  constexpr int kWidth = 30;
  const int filled = total == 0 ? kWidth : done * kWidth / total;
  err << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
      << std::string(static_cast<std::size_t>(kWidth - filled), ' ') << "] " << done << "/" << total
      << std::flush;
  if (done == total) err << '\n';
}

}  // namespace

int runRender(const std::string& modulePath, const RenderOptions& options, std::ostream& out,
              std::ostream& err) {
  try {
    std::vector<std::string> notices;
    const RgbaImage input = readPng(options.input, &notices);
    std::optional<RgbaImage> mapLayer;
    if (!options.mapLayer.empty()) mapLayer = readPng(options.mapLayer, &notices);
    for (const std::string& notice : notices) err << "notice: " << notice << '\n';

    FrameRenderer renderer(modulePath);
    renderer.setDownsample(options.downsample);
    renderer.setMapLayer(std::move(mapLayer));
    applyValues(renderer.params(), options);

    if (options.frames.empty()) {
      writePng(options.output, renderer.render(input, options.time));
      out << "wrote " << options.output << '\n';
      return 0;
    }
    if (!(options.fps > 0) || !std::isfinite(options.fps)) {
      throw std::invalid_argument("--fps must be a positive number");
    }
    const FrameRange range = parseFrames(options.frames);
    const int total = range.last - range.first + 1;
    for (int frame = range.first; frame <= range.last; ++frame) {
      progress(err, frame - range.first, total);
      writePng(framePath(options.output, frame),
               renderer.render(input, frame / options.fps, options.fps));
    }
    progress(err, total, total);
    out << "wrote " << total << " frames to " << options.output << '\n';
    return 0;
  } catch (const std::exception& failure) {
    err << "quellon render: " << failure.what() << '\n';
    return 1;
  }
}

}  // namespace ostra::cli
