// A long run of renders through the host: random looks, sizes, Map Layers, downsampling and
// host threads, all drawn from one seed. Every render completes, and the module's live GL
// objects, its contexts and the process's resident memory stay bounded from the first hundred
// frames to the last.
//
// The short run below is the everyday one. OSTRA_SOAK_RENDERS and OSTRA_SOAK_MAX_SIZE make it
// longer and larger; OSTRA_SOAK_SEED picks other looks.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "frame_renderer.h"
#include "hostsim/host_thread.h"
#include "platform/control.h"
#include "sample_art.h"
#include "tests/integration/random_look.h"
#include "tests/support/gl_tracker.h"

namespace {

int fromEnvironment(const char* name, int fallback) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

// Resident memory once the allocator has handed its free pages back, so that what it keeps
// cached for the next frame does not pass for a leak.
long processResidentKiB() {
  malloc_trim(0);
  std::ifstream statm("/proc/self/statm");
  long size = 0;
  long resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// What the module holds between renders.
struct Census {
  std::size_t textures, framebuffers, renderbuffers, vertexArrays, buffers, programs, shaders;
  int contexts;
  long residentKiB;

  static Census take(const ostra::test::GlTracker& gl) {
    return {gl.liveTextures(),      gl.liveFramebuffers(),
            gl.liveRenderbuffers(), gl.liveVertexArrays(),
            gl.liveBuffers(),       gl.livePrograms(),
            gl.liveShaders(),       ostra::platform::counts().liveContexts,
            processResidentKiB()};
  }
  // Each count as the larger of the two.
  void raise(const Census& other) {
    residentKiB = std::max(residentKiB, other.residentKiB);
    textures = std::max(textures, other.textures);
    framebuffers = std::max(framebuffers, other.framebuffers);
    renderbuffers = std::max(renderbuffers, other.renderbuffers);
    vertexArrays = std::max(vertexArrays, other.vertexArrays);
    buffers = std::max(buffers, other.buffers);
    programs = std::max(programs, other.programs);
    shaders = std::max(shaders, other.shaders);
    contexts = std::max(contexts, other.contexts);
  }
  std::string text() const {
    return "textures " + std::to_string(textures) + ", framebuffers " +
           std::to_string(framebuffers) + ", renderbuffers " + std::to_string(renderbuffers) +
           ", vertex arrays " + std::to_string(vertexArrays) + ", buffers " +
           std::to_string(buffers) + ", programs " + std::to_string(programs) + ", shaders " +
           std::to_string(shaders) + ", contexts " + std::to_string(contexts) + ", RSS " +
           std::to_string(residentKiB / 1024) + " MiB";
  }
};

void expectWithin(const Census& later, const Census& bound) {
  EXPECT_LE(later.textures, bound.textures);
  EXPECT_LE(later.framebuffers, bound.framebuffers);
  EXPECT_LE(later.renderbuffers, bound.renderbuffers);
  EXPECT_LE(later.vertexArrays, bound.vertexArrays);
  EXPECT_LE(later.buffers, bound.buffers);
  EXPECT_LE(later.programs, bound.programs);
  EXPECT_LE(later.shaders, bound.shaders);
  EXPECT_LE(later.contexts, bound.contexts);
}

// Frames up to this one warm the module up: each thread's context, every program, the largest
// sizes seen so far. From here on nothing may grow.
constexpr int kWarmFrames = 100;
// AddressSanitizer holds freed blocks back in a quarantine, so resident memory grows there by
// design; its leak checker watches that build instead.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kHeapQuarantined = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kHeapQuarantined = true;
#else
constexpr bool kHeapQuarantined = false;
#endif
#else
constexpr bool kHeapQuarantined = false;
#endif

// What resident memory may grow by between those two frames; a leak of one 128 × 128 float
// texture a frame (256 KiB) passes it within 50 frames.
constexpr long kResidentGrowthKiB = 8 * 1024;

TEST(SoakTest, RandomRendersOnSeveralThreadsKeepObjectsAndMemoryBounded) {
  const int renders = std::max(fromEnvironment("OSTRA_SOAK_RENDERS", 150), kWarmFrames + 1);
  const int maxSize = std::max(fromEnvironment("OSTRA_SOAK_MAX_SIZE", 128), 1);
  const auto seed = static_cast<unsigned>(fromEnvironment("OSTRA_SOAK_SEED", 20240611));
  std::mt19937 random(seed);

  ostra::platform::reset();
  testing::internal::CaptureStdout();
  auto renderer = std::make_unique<ostra::cli::FrameRenderer>(OSTRA_MODULE_PATH);
  testing::internal::GetCapturedStdout();
  ostra::hostsim::Host& host = renderer->host();
  ostra::hostsim::ParamStore& params = host.params();
  std::vector<std::unique_ptr<ostra::hostsim::HostThread>> threads;
  for (int i = 0; i < 3; ++i) threads.push_back(std::make_unique<ostra::hostsim::HostThread>());

  ostra::test::GlTracker gl;
  gl.watchContext(host.hostGLContext());
  const Census start = Census::take(gl);
  Census warm{};
  Census warmPeak = start;
  Census laterPeak = start;
  int failures = 0;
  std::string residentEvery;  // MiB after every hundredth frame
  std::uniform_int_distribution<int> side(1, maxSize);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int frame = 1; frame <= renders; ++frame) {
    // The two frames memory is compared at are alike: the largest size, at full resolution,
    // with a Map Layer, so that what the driver keeps for the last frame's size is the same.
    const bool measured = frame == kWarmFrames || frame == renders;
    const int drawnWidth = side(random);
    const int drawnHeight = side(random);
    const int drawnDownsample = unit(random) < 0.8 ? 1 : 2 + static_cast<int>(unit(random) * 2);
    const bool drawnMapLayer = unit(random) < 0.5;
    const int width = measured ? maxSize : drawnWidth;
    const int height = measured ? maxSize : drawnHeight;
    const int downsample = measured ? 1 : drawnDownsample;
    const bool withMapLayer = measured || drawnMapLayer;
    const int mapWidth = std::max(1, side(random) / 2);
    const int mapHeight = std::max(1, side(random) / 2);
    const std::size_t thread = static_cast<std::size_t>(unit(random) * threads.size());
    const std::string what = "frame " + std::to_string(frame) + ": " + std::to_string(width) + "x" +
                             std::to_string(height) + " / " + std::to_string(downsample) +
                             (withMapLayer ? ", Map Layer" : "") + ", thread " +
                             std::to_string(thread);

    const int deliveredWidth = std::max(1, width / downsample);
    const int deliveredHeight = std::max(1, height / downsample);
    ostra::hostsim::World input =
        ostra::cli::toWorld(ostra::cli::sampleArtwork(deliveredWidth, deliveredHeight));
    ostra::hostsim::World mapLayer =
        ostra::cli::toWorld(ostra::cli::sampleArtwork(mapWidth, mapHeight));
    ostra::hostsim::World output(deliveredWidth, deliveredHeight, deliveredWidth * 4 + 8);
    ostra::test::applyRandomLook(params, random,
                                 {static_cast<double>(width), static_cast<double>(height),
                                  withMapLayer ? &mapLayer.def() : nullptr});
    host.setDownsample(static_cast<A_u_long>(downsample));
    host.inData().width = deliveredWidth;
    host.inData().height = deliveredHeight;
    params.setInputLayer(&input.def(), width, height);
    ostra::hostsim::ParamArray array = host.paramArray();

    ostra::hostsim::CallResult result;
    threads[thread]->run([&] {
      testing::internal::CaptureStdout();  // a thread's first context prints its report
      result = host.send(PF_Cmd_RENDER, array.data(), &output.def());
      testing::internal::GetCapturedStdout();
    });
    params.setInputLayer(nullptr);
    const bool clean =
        result.err == PF_Err_NONE && result.hostContextCurrent && output.paddingIntact();
    if (!clean && ++failures <= 5) {
      ADD_FAILURE() << what << ": error " << result.err << ", host context "
                    << (result.hostContextCurrent ? "restored" : "lost") << ", padding "
                    << (output.paddingIntact() ? "intact" : "written");
    }

    const Census now = Census::take(gl);
    (frame <= kWarmFrames ? warmPeak : laterPeak).raise(now);
    if (frame == kWarmFrames) warm = now;
    if (frame % kWarmFrames == 0) residentEvery += " " + std::to_string(now.residentKiB / 1024);
  }
  const Census end = Census::take(gl);

  std::cout << "[ soak ] seed " << seed << ", " << renders << " renders up to " << maxSize << "x"
            << maxSize << ", " << failures << " failed\n"
            << "[ soak ] start:    " << start.text() << "\n"
            << "[ soak ] frame " << kWarmFrames << ": " << warm.text() << "\n"
            << "[ soak ] end:      " << end.text() << "\n"
            << "[ soak ] peak up to frame " << kWarmFrames << ": " << warmPeak.text() << "\n"
            << "[ soak ] peak after it:    " << laterPeak.text() << "\n"
            << "[ soak ] RSS (MiB) every " << kWarmFrames << " frames:" << residentEvery << "\n"
            << "[ soak ] RSS growth from frame " << kWarmFrames
            << " to the end: " << end.residentKiB - warm.residentKiB << " KiB\n";
  EXPECT_EQ(failures, 0);
  expectWithin(laterPeak, warmPeak);
  EXPECT_EQ(laterPeak.contexts, warm.contexts) << "one context per host thread, kept";
  if (!kHeapQuarantined) {
    EXPECT_LE(end.residentKiB, warm.residentKiB + kResidentGrowthKiB);
  }
  EXPECT_EQ(gl.errors(), std::vector<std::string>{});
  EXPECT_EQ(gl.nonFiniteUniforms(), std::vector<std::string>{});
  EXPECT_EQ(gl.callsInWatchedContext(), std::vector<std::string>{}) << "in the host's context";

  threads.clear();
  renderer.reset();
  const ostra::platform::Counts after = ostra::platform::counts();
  EXPECT_EQ(after.liveContexts, 0);
  EXPECT_EQ(after.liveWindows, 0);
  EXPECT_EQ(after.liveClasses, 0);
}

}  // namespace
#endif  // !defined(_WIN32)
