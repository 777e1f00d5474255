// Whole renders through the module's Render command: the host's context, the frame's textures,
// the edge, failures, and golden images of a fixed set of looks.
#include <gtest/gtest.h>

#include <iostream>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "frame_renderer.h"
#include "image_compare.h"
#include "param_values.h"
#include "tests/integration/artwork.h"
#include "tests/support/gl_tracker.h"
#include "tests/support/platform_counts.h"

namespace {

using ostra::cli::FrameRenderer;
using ostra::cli::RgbaImage;

const std::filesystem::path kGoldenDir = OSTRA_GOLDEN_DIR;

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ostra::test::resetPlatform();
    testing::internal::CaptureStdout();
    renderer_ = std::make_unique<FrameRenderer>(OSTRA_MODULE_PATH);
    report_ = testing::internal::GetCapturedStdout();
  }
  void TearDown() override {
    renderer_.reset();
    if (const auto live = ostra::test::liveContexts()) {
      EXPECT_EQ(*live, 0);
    }
    ostra::test::resetPlatform();
  }
  FrameRenderer& renderer() { return *renderer_; }
  bool llvmpipe() const { return report_.find("llvmpipe") != std::string::npos; }

  void set(const std::string& assignment) {
    ostra::cli::applyAssignment(renderer().params(), assignment);
  }
  // A new thread's context prints its report; `printed` gets it.
  RgbaImage render(const RgbaImage& input, std::string* printed = nullptr) {
    testing::internal::CaptureStdout();
    RgbaImage out = renderer().render(input);
    const std::string report = testing::internal::GetCapturedStdout();
    if (printed != nullptr) *printed = report;
    return out;
  }

 private:
  std::unique_ptr<FrameRenderer> renderer_;
  std::string report_;
};

uint8_t alphaAt(const RgbaImage& image, std::size_t pixel) { return image.rgba[pixel * 4 + 3]; }

TEST_F(RenderTest, TheEdgeIsAHardCutAtTheDefaultsAndWithNoBevelWidth) {
  const RgbaImage input = ostra::test::artwork(2);
  for (const char* bevelEnd : {"100", "0"}) {
    SCOPED_TRACE(std::string("Bevel End ") + bevelEnd);
    set(std::string("Bevel End=") + bevelEnd);
    const RgbaImage out = render(input);
    ASSERT_EQ(out.width, 128);
    std::size_t opaque = 0;
    for (std::size_t p = 0; p < out.rgba.size() / 4; ++p) {
      const uint8_t a = alphaAt(out, p);
      ASSERT_TRUE(a == 0 || a == 255) << "pixel " << p << " alpha " << int(a);
      if (alphaAt(input, p) == 0) {
        ASSERT_EQ(a, 0) << "pixel " << p << " outside the shape";
      }
      opaque += a == 255;
    }
    EXPECT_GT(opaque, 500u);
    if (std::string(bevelEnd) == "0") {
      // No bevel: the whole shape shows, flat, up to its edge.
      for (std::size_t p = 0; p < out.rgba.size() / 4; ++p) {
        if (alphaAt(input, p) == 255) {
          ASSERT_EQ(alphaAt(out, p), 255) << "pixel " << p;
        }
      }
    }
  }
}

TEST_F(RenderTest, FramesWithAMapLayerLeaveNoTexturesBehind) {
#if defined(_WIN32)
  GTEST_SKIP() << "watching the module's GL calls needs its binding to be ours, one shared "
                  "library on Linux; the Windows module links its own copy";
#endif
  const RgbaImage input = ostra::test::artwork(4);
  renderer().setMapLayer(ostra::test::artwork(8));
  set("Map Type=Custom Layer");
  render(input);
  ostra::test::GlTracker tracker;  // the module's binding is ours: its calls are seen here
  // Names are the module's own: deleted in the host's context they would free its objects.
  tracker.watchContext(renderer().host().hostGLContext());
  render(input);
  const std::size_t live = tracker.liveTextures();
  for (int frame = 0; frame < 100; ++frame) {
    render(input);
    ASSERT_EQ(tracker.liveTextures(), live) << "frame " << frame;
  }
  EXPECT_GT(tracker.callsOf("glDeleteTextures"), 100) << "input and map layer textures each frame";
  EXPECT_EQ(tracker.errors(), std::vector<std::string>{});
  EXPECT_EQ(tracker.callsInWatchedContext(), std::vector<std::string>{});
}

TEST_F(RenderTest, EachHostThreadGetsItsOwnContextAndTheSameFrame) {
  const RgbaImage input = ostra::test::artwork(2);
  set("Extrude=6");
  const RgbaImage first = render(input);
  const std::optional<int> contextsBefore = ostra::test::liveContexts();
  const auto reports = [](const std::string& printed) {
    std::size_t count = 0;
    for (auto at = printed.find("OpenGL Version:"); at != std::string::npos;
         at = printed.find("OpenGL Version:", at + 1)) {
      ++count;
    }
    return count;
  };
  for (int thread = 0; thread < 3; ++thread) {
    RgbaImage out;
    std::string printed;
    // One at a time, as the host guarantees.
    std::thread([&] { out = render(input, &printed); }).join();
    EXPECT_EQ(out.rgba, first.rgba) << "thread " << thread;
    EXPECT_EQ(reports(printed), 1u) << "a context of its own on thread " << thread;
  }
  if (contextsBefore) {
    EXPECT_EQ(*ostra::test::liveContexts(), *contextsBefore + 3);
  }
  std::string printed;
  render(input, &printed);
  EXPECT_EQ(reports(printed), 0u) << "reused on a thread";
  if (contextsBefore) {
    EXPECT_EQ(*ostra::test::liveContexts(), *contextsBefore + 3);
  }
}

TEST_F(RenderTest, ARefusedHandleSuiteFailsTheRenderAndRestoresTheHostContext) {
  renderer().host().refuseSuite(kPFHandleSuite);
  ostra::hostsim::World input(16, 16);
  ostra::hostsim::World output(16, 16);
  renderer().params().setInputLayer(&input.def());
  ostra::hostsim::ParamArray params = renderer().host().paramArray();
  testing::internal::CaptureStdout();
  const ostra::hostsim::CallResult result =
      renderer().host().send(PF_Cmd_RENDER, params.data(), &output.def());
  testing::internal::GetCapturedStdout();
  renderer().params().setInputLayer(nullptr);
  EXPECT_EQ(result.err, PF_Err_BAD_CALLBACK_PARAM);
  EXPECT_TRUE(result.hostContextCurrent);
  EXPECT_EQ(renderer().host().outstandingSuites(), 0);
  renderer().host().refuseSuite(kPFHandleSuite, false);
}

// The looks the goldens hold; each starts from the defaults.
struct Look {
  const char* name;
  std::vector<const char*> sets;
  bool mapLayer = false;
};

const Look kLooks[] = {
    {"defaults", {}},
    {"golden", {"Map Type=Golden", "Bevel End=30"}},
    {"cyber_punk_extrude", {"Map Type=Cyber Punk", "Extrude=12", "Smooth=4", "Bevel End=20"}},
    {"rainbow_parallel",
     {"Map Type=Rainbow", "L1 Type=Parallel Light", "L1 Target=128,64", "Bevel Start=20"}},
    {"custom_layer_low", {"Map Type=Custom Layer", "Quality=Low", "Edge Feather=100"}, true},
    {"color_medium", {"Color=#3080ff", "Quality=Medium", "Gamma=1", "Edge Clip=30"}},
};

RgbaImage mapLayerImage() {
  RgbaImage image;
  image.width = 64;
  image.height = 64;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      image.rgba.insert(image.rgba.end(), {static_cast<uint8_t>(x * 4), static_cast<uint8_t>(y * 4),
                                           static_cast<uint8_t>(((x / 8 + y / 8) % 2) * 200), 255});
    }
  }
  return image;
}

TEST_F(RenderTest, LooksMatchTheirGoldenImages) {
  if (!llvmpipe()) GTEST_SKIP() << "goldens are made with llvmpipe";
  const bool regenerate = std::getenv("OSTRA_REGENERATE_GOLDENS") != nullptr;
  const RgbaImage input = ostra::cli::readPng((kGoldenDir / "input.png").string());
  for (const Look& look : kLooks) {
    SCOPED_TRACE(look.name);
    renderer().params().resetValues();
    renderer().setMapLayer(look.mapLayer ? std::optional(mapLayerImage()) : std::nullopt);
    for (const char* assignment : look.sets) set(assignment);
    const RgbaImage out = render(input);
    const std::filesystem::path golden = kGoldenDir / (std::string(look.name) + ".png");
    if (regenerate) {
      ostra::cli::writePng(golden.string(), out);
      continue;
    }
    const RgbaImage expected = ostra::cli::readPng(golden.string());
    ASSERT_EQ(out.width, expected.width);
    ASSERT_EQ(out.height, expected.height);
    const ostra::cli::ImageDifference difference = ostra::cli::compareImages(out, expected);
    const std::string figures = ostra::cli::describe(difference, out, expected);
    // The figures of every look, also when they pass, to show how much room a change used.
    std::cout << "golden " << look.name << ": " << figures << "\n";
    EXPECT_TRUE(difference.within) << "rendered against golden: " << figures;
  }
}

}  // namespace
