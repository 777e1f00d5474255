#include "bench/look_runner.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

#include "param_values.h"
#include "sample_art.h"

namespace ostra::cli {

void LookRunner::prepare(int width, int height, int downsample) {
  renderer_.setDownsample(downsample);
  if (width != width_ || height != height_ || downsample != downsample_) {
    input_ = toWorld(downsampled(sampleArtwork(width, height), downsample));
    output_ = hostsim::World(input_.width(), input_.height());
    width_ = width;
    height_ = height;
    downsample_ = downsample;
  }
  renderer_.params().setInputLayer(&input_.def(), width, height);
  PF_InData& in = renderer_.host().inData();
  in.time_scale = 1000;
  in.time_step = 1;
  in.current_time = 0;
  in.width = input_.width();
  in.height = input_.height();
}

double LookRunner::renderOnce() {
  hostsim::ParamArray params = renderer_.host().paramArray();
  const auto start = std::chrono::steady_clock::now();
  sendOrThrow(renderer_.host(), PF_Cmd_RENDER, "Render", params.data(), &output_.def());
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

Measurement LookRunner::run(const Look& look, const std::string& group, int width, int height,
                            int downsample, int frames, int timedFrames,
                            const std::vector<std::string>& extra) {
  hostsim::ParamStore& params = renderer_.params();
  params.resetValues();
  for (const std::string& set : look.sets) applyAssignment(params, set);
  for (const std::string& set : extra) applyAssignment(params, set);
  prepare(width, height, downsample);

  Measurement m;
  m.look = look.name;
  m.group = group;
  m.width = width;
  m.height = height;
  m.downsample = downsample;
  m.firstMs = renderOnce();
  const int64_t faultsBefore = minorPageFaults();
  // A look that takes seconds a frame (a wide extrusion at 4K on a software renderer) stops
  // after two warm frames once it has used its share of the run, and is timed pass by pass once.
  constexpr double kBudgetMs = 20000;
  double spentMs = 0;
  for (int i = 0; i < frames && !(i >= 2 && spentMs > kBudgetMs); ++i) {
    m.frameMs.push_back(renderOnce());
    spentMs += m.frameMs.back();
    if (i == 0) m.afterFirst = residentMemory();
  }
  if (!m.frameMs.empty()) {
    m.pageFaultsPerFrame = static_cast<double>(minorPageFaults() - faultsBefore) /
                           static_cast<double>(m.frameMs.size());
  }
  m.atEnd = residentMemory();
  if (spentMs > kBudgetMs) timedFrames = std::min(timedFrames, 1);
  if (timedFrames > 0) {
    PassTimeRecording recording(passTimesPath_);
    for (int i = 0; i < timedFrames; ++i) renderOnce();
    const std::vector<PassTimes> timed = recording.frames();
    // A module without the pass timers (an older build, to compare with) writes nothing.
    if (timed.empty()) return finish(m);
    if (timed.size() != static_cast<size_t>(timedFrames)) {
      throw std::runtime_error("the module wrote " + std::to_string(timed.size()) +
                               " lines of pass times for " + std::to_string(timedFrames) +
                               " frames");
    }
    const auto median = [&timed](PassArray PassTimes::*kind, size_t pass) {
      std::vector<double> values;
      for (const PassTimes& frame : timed) values.push_back((frame.*kind)[pass]);
      std::sort(values.begin(), values.end());
      return values[values.size() / 2];
    };
    for (size_t pass = 0; pass < kPassNames.size(); ++pass) {
      m.passes.queryMs[pass] = median(&PassTimes::queryMs, pass);
      m.passes.finishedMs[pass] = median(&PassTimes::finishedMs, pass);
    }
  }
  return finish(m);
}

Measurement LookRunner::finish(Measurement& m) {
  renderer_.params().setInputLayer(nullptr);
  return m;
}

}  // namespace ostra::cli
