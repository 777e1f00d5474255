// GPU times of a Render's passes, for benchmarks. Off unless the environment variable
// OSTRA_PASS_TIMES names a file: then each Render measures each pass twice and appends one
// line to that file, "upload=MS ... readback=MS finished_upload=MS ... finished_readback=MS":
// first what GL_TIME_ELAPSED queries report, then the wall time from a glFinish before the
// pass to one after it. A software renderer such as llvmpipe defers its work to the next
// flush and its queries miss it; the finished times hold it there. Off, the timer makes no GL
// call at all, so the product's normal Render is unchanged.
#pragma once

#include <glbinding/gl33core/gl.h>

#include <array>
#include <string>
#include <vector>

namespace Kestrix::Bevel {

enum class Pass { Upload, Seed, JumpFlood, Height, Blur, Side, Surface, Conversion, Readback };
constexpr int kPassCount = 9;
const char* passName(Pass pass);

class PassTimer {
 public:
  // One Render's measurements: started when made, written and released when it goes, on
  // every path out (a failed frame writes nothing).
  class Frame {
   public:
    explicit Frame(PassTimer& timer);
    ~Frame();
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;
    void complete() { complete_ = true; }

   private:
    PassTimer& timer_;
    bool complete_ = false;
  };

  // Times what is drawn while it lives, added to `pass` (a pass may be timed in pieces).
  class Scope {
   public:
    Scope(PassTimer& timer, Pass pass);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    PassTimer& timer_;
    Pass pass_;
    bool running_ = false;
    double startMs_ = 0;
  };

 private:
  struct Query {
    Pass pass;
    gl::GLuint name;
  };
  void release();
  void write();

  bool active_ = false;
  std::string path_;
  std::vector<Query> queries_;
  std::array<double, kPassCount> finishedMs_{};
};

}  // namespace Kestrix::Bevel
