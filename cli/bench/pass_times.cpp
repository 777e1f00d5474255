#include "bench/pass_times.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace ostra::cli {
namespace {

constexpr const char* kVariable = "OSTRA_PASS_TIMES";

void setVariable(const char* value) {
#ifdef _WIN32
  _putenv_s(kVariable, value);
#else
  if (*value) {
    setenv(kVariable, value, 1);
  } else {
    unsetenv(kVariable);
  }
#endif
}

PassTimes parseLine(const std::string& line) {
  PassTimes times{};
  std::istringstream words(line);
  std::string word;
  while (words >> word) {
    const auto equals = word.find('=');
    std::string_view name = std::string_view(word).substr(0, equals);
    PassArray* into = &times.queryMs;
    if (name.substr(0, 9) == "finished_") {
      name.remove_prefix(9);
      into = &times.finishedMs;
    }
    bool known = false;
    for (size_t i = 0; i < kPassNames.size(); ++i) {
      if (name != kPassNames[i] || equals == std::string::npos) continue;
      const char* first = word.data() + equals + 1;
      const char* last = word.data() + word.size();
      known = std::from_chars(first, last, (*into)[i]).ptr == last;
    }
    if (!known) throw std::runtime_error("unreadable pass time \"" + word + "\"");
  }
  return times;
}

}  // namespace

PassTimeRecording::PassTimeRecording(std::string path) : path_(std::move(path)) {
  std::remove(path_.c_str());
  setVariable(path_.c_str());
}

PassTimeRecording::~PassTimeRecording() {
  setVariable("");
  std::remove(path_.c_str());
}

std::vector<PassTimes> PassTimeRecording::frames() const {
  std::ifstream file(path_);
  std::vector<PassTimes> frames;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty()) frames.push_back(parseLine(line));
  }
  return frames;
}

}  // namespace ostra::cli
