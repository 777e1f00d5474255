// Renders one look again and again through the module's Render command and times it: the
// frames the host would send while a user scrubs or renders, with nothing else in the timing.
#pragma once

#include <string>

#include "bench/measurement.h"
#include "frame_renderer.h"

namespace ostra::cli {

class LookRunner {
 public:
  LookRunner(FrameRenderer& renderer, std::string passTimesPath)
      : renderer_(renderer), passTimesPath_(std::move(passTimesPath)) {}

  // The artwork at `width` × `height`, delivered at 1/`downsample` size; `extra` settings after
  // the look's own. One untimed frame, `frames` timed ones, then `timedFrames` with the pass
  // timers on. Throws std::runtime_error when a Render fails.
  Measurement run(const Look& look, const std::string& group, int width, int height, int downsample,
                  int frames, int timedFrames, const std::vector<std::string>& extra = {});

  // One Render of what run() set up last, in milliseconds.
  double renderOnce();

 private:
  void prepare(int width, int height, int downsample);
  Measurement finish(Measurement& m);

  FrameRenderer& renderer_;
  std::string passTimesPath_;
  int width_ = 0, height_ = 0, downsample_ = 0;
  hostsim::World input_;
  hostsim::World output_;
};

}  // namespace ostra::cli
