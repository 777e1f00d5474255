// The module's per-pass GPU times, which it writes one line per Render to the file that
// OSTRA_PASS_TIMES names while that variable is set: "NAME=MS" for each query, then
// "finished_NAME=MS" for each pass timed between two glFinish calls.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace ostra::cli {

constexpr std::array<const char*, 9> kPassNames = {
    "upload", "seed", "jump_flood", "height", "blur", "side", "surface", "conversion", "readback"};
using PassArray = std::array<double, kPassNames.size()>;  // milliseconds, in kPassNames' order
struct PassTimes {
  PassArray queryMs{};     // what the GL_TIME_ELAPSED queries reported
  PassArray finishedMs{};  // wall time from a glFinish before the pass to one after it
};

// Sets OSTRA_PASS_TIMES to a fresh file while it lives, and removes both when it goes.
class PassTimeRecording {
 public:
  explicit PassTimeRecording(std::string path);
  ~PassTimeRecording();
  PassTimeRecording(const PassTimeRecording&) = delete;
  PassTimeRecording& operator=(const PassTimeRecording&) = delete;

  // Every line written so far; throws std::runtime_error for a line that names no known pass.
  std::vector<PassTimes> frames() const;

 private:
  std::string path_;
};

}  // namespace ostra::cli
