#include "plugin/gpu/pass_timer.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace gl33core;

namespace Kestrix::Bevel {

const char* passName(Pass pass) {
  static constexpr const char* kNames[kPassCount] = {"upload",  "seed",       "jump_flood",
                                                     "height",  "blur",       "side",
                                                     "surface", "conversion", "readback"};
  return kNames[static_cast<int>(pass)];
}

PassTimer::Frame::Frame(PassTimer& timer) : timer_(timer) {
  // Read at every Render, so that one process can time some frames and not others.
  const char* path = std::getenv("OSTRA_PASS_TIMES");
  timer_.active_ = path != nullptr && *path != '\0';
  if (timer_.active_) timer_.path_ = path;
}

PassTimer::Frame::~Frame() {
  if (!timer_.active_) return;
  if (complete_) timer_.write();
  timer_.release();
  timer_.active_ = false;
}

namespace {

double nowMs() {
  return std::chrono::duration<double, std::milli>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

PassTimer::Scope::Scope(PassTimer& timer, Pass pass) : timer_(timer), pass_(pass) {
  if (!timer_.active_) return;
  glFinish();
  startMs_ = nowMs();
  GLuint name = 0;
  glGenQueries(1, &name);
  timer_.queries_.push_back({pass, name});
  glBeginQuery(GL_TIME_ELAPSED, name);
  running_ = true;
}

PassTimer::Scope::~Scope() {
  if (!running_) return;
  glEndQuery(GL_TIME_ELAPSED);
  glFinish();
  timer_.finishedMs_[static_cast<int>(pass_)] += nowMs() - startMs_;
}

void PassTimer::release() {
  for (const Query& query : queries_) glDeleteQueries(1, &query.name);
  queries_.clear();
  finishedMs_.fill(0);
}

void PassTimer::write() {
  std::array<double, kPassCount> milliseconds{};
  for (const Query& query : queries_) {
    GLuint64 nanoseconds = 0;
    glGetQueryObjectui64v(query.name, GL_QUERY_RESULT, &nanoseconds);
    milliseconds[static_cast<int>(query.pass)] += static_cast<double>(nanoseconds) * 1e-6;
  }
  // Numbers through to_chars, so that no locale the host set can change the decimal point.
  std::string line;
  const auto add = [&line](const char* prefix, int pass, double value) {
    char number[32];
    const auto end =
        std::to_chars(number, number + sizeof number, value, std::chars_format::fixed, 4).ptr;
    line += (line.empty() ? "" : " ") + std::string(prefix) + passName(static_cast<Pass>(pass)) +
            "=" + std::string(number, end);
  };
  for (int i = 0; i < kPassCount; ++i) add("", i, milliseconds[i]);
  for (int i = 0; i < kPassCount; ++i) add("finished_", i, finishedMs_[i]);
  line += '\n';
  std::FILE* file = std::fopen(path_.c_str(), "a");
  if (file == nullptr) return;  // a benchmark's aid: a file that cannot be opened only loses it
  std::fputs(line.c_str(), file);
  std::fclose(file);
}

}  // namespace Kestrix::Bevel
