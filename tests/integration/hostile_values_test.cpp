// Values and worlds no user interface would send, straight into the host's records, and
// commands out of their usual order: each render completes or fails with an error code, the
// host's context comes back, nothing is written outside the output world, no NaN or infinity
// reaches a shader (the output holds bytes: that is where a NaN would enter it), no GL call
// fails, and none lands in the host's own context.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "effect_session.h"
#include "frame_renderer.h"
#include "platform/control.h"
#include "sample_art.h"
#include "tests/support/gl_tracker.h"

namespace {

using ostra::hostsim::CallResult;
using ostra::hostsim::World;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The padding each output row gets, so that a stray write shows.
constexpr A_long kPadding = 12;

class HostileValuesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ostra::platform::reset();
    testing::internal::CaptureStdout();
    renderer_ = std::make_unique<ostra::cli::FrameRenderer>(OSTRA_MODULE_PATH);
    testing::internal::GetCapturedStdout();
  }
  void TearDown() override {
    renderer_.reset();
    const ostra::platform::Counts counts = ostra::platform::counts();
    EXPECT_EQ(counts.liveContexts, 0);
    EXPECT_EQ(counts.liveWindows, 0);
    EXPECT_EQ(counts.liveClasses, 0);
  }
  ostra::hostsim::Host& host() { return renderer_->host(); }

  // Renders `input` into `output` with the parameters as they stand.
  CallResult render(World& input, World& output) {
    host().params().setInputLayer(&input.def());
    ostra::hostsim::ParamArray params = host().paramArray();
    testing::internal::CaptureStdout();
    const CallResult result = host().send(PF_Cmd_RENDER, params.data(), &output.def());
    testing::internal::GetCapturedStdout();
    host().params().setInputLayer(nullptr);
    return result;
  }

  // Renders as render() does, with every GL call watched.
  CallResult watchedRender(World& input, World& output, ostra::test::GlTracker& gl) {
    gl.watchContext(host().hostGLContext());
    return render(input, output);
  }
  static void expectClean(const CallResult& result, const World& output,
                          const ostra::test::GlTracker& gl) {
    EXPECT_TRUE(result.err == PF_Err_NONE || result.err == PF_Err_BAD_CALLBACK_PARAM) << result.err;
    EXPECT_TRUE(result.hostContextCurrent);
    EXPECT_TRUE(output.paddingIntact());
    EXPECT_EQ(gl.errors(), std::vector<std::string>{});
    EXPECT_EQ(gl.nonFiniteUniforms(), std::vector<std::string>{});
    EXPECT_EQ(gl.callsInWatchedContext(), std::vector<std::string>{});
  }

  std::unique_ptr<ostra::cli::FrameRenderer> renderer_;
};

struct Hostile {
  const char* name;
  double a, b;
};

TEST_F(HostileValuesTest, RendersOrFailsCleanly) {
  World input = ostra::cli::toWorld(ostra::cli::sampleArtwork(64, 32));

  const Hostile cases[] = {
      {"Bevel End", kNaN, 0},     {"Bevel Start", kInf, 0},   {"Gamma", 0, 0},
      {"Gamma", -kInf, 0},        {"Map Size", -1e30, 0},     {"Map Size", kNaN, 0},
      {"Smooth", 1e9, 0},         {"Extrude", 1e9, 0},        {"Extrude Center", 1e6, -1e6},
      {"L1 Position", 1e6, 1e6},  {"L1 Height", 0, 0},        {"Roughness", kNaN, 0},
      {"Quality", 0, 0},          {"Quality", 4, 0},          {"Map Type", 0, 0},
      {"Map Type", 6, 0},         {"L2 Type", 3, 0},          {"Edge Feather", -kInf, 0},
      {"Edge Clip", 1e9, 0},      {"Bevel End", 1e12, 0},     {"Gamma", kInf, 0},
      {"Bevel Height", kNaN, 0},  {"L2 Intensity", -kInf, 0}, {"Map Size", 1e38, 0},
      {"Metallic", kNaN, 0},      {"L1 Target", -1e6, 1e6},   {"L1 Type", 0, 0},
      {"Bevel End", 1e39, 0},     {"Bevel Start", -kInf, 0},  {"Edge Clip", kNaN, 0},
      {"L1 Intensity", 1e300, 0}, {"Gamma", 1e-300, 0},
  };
  for (const Hostile& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.a));
    host().params().resetValues();
    ostra::hostsim::ParamValue value;
    value.v = {c.a, c.b, 0, 0};
    host().params().setValue(host().params().indexOf(c.name), value);
    ostra::test::GlTracker gl;
    World output(64, 32, 64 * 4 + kPadding);
    expectClean(watchedRender(input, output, gl), output, gl);
  }
}

// A layer as a host might hand it over: a plain world, or one whose record is damaged.
enum class Damage { None, NullData, RowbytesPlusOne, ZeroRowbytes, NegativeRowbytes };

struct LayerCase {
  const char* what;
  A_long width, height;
  Damage damage;
  PF_Err asInput;     // the Render's result with this layer as the input
  PF_Err asMapLayer;  // with a 64 × 32 input and this layer as the Map Layer
};

// The world's record with the damage done; `world` keeps the bytes it points into.
PF_LayerDef damaged(World& world, Damage damage) {
  PF_LayerDef def = world.def();
  switch (damage) {
    case Damage::None:
      break;
    case Damage::NullData:
      def.data = nullptr;
      break;
    case Damage::RowbytesPlusOne:
      def.rowbytes += 1;  // the world has a spare byte per row for it
      break;
    case Damage::ZeroRowbytes:
      def.rowbytes = 0;
      break;
    case Damage::NegativeRowbytes:  // bottom-up rows, as some hosts lay them out
      def.data = reinterpret_cast<PF_PixelPtr>(world.bytes().data() +
                                               (world.height() - 1) * world.rowbytes());
      def.rowbytes = -world.rowbytes();
      break;
  }
  return def;
}

// Sizes up to and past the driver's largest texture (16384 on llvmpipe, and on most GPUs a
// power of two no larger than that), and damaged records. A layer the driver cannot hold is
// refused with an error rather than drawn into framebuffers that cannot exist; so is a record
// whose rows cannot be read in place. A Map Layer without pixels counts as none.
TEST_F(HostileValuesTest, LayersOfAnySizeOrDamagedRecordsRenderOrFailCleanly) {
  constexpr PF_Err kNone = PF_Err_NONE;
  constexpr PF_Err kRefused = PF_Err_BAD_CALLBACK_PARAM;
  const LayerCase cases[] = {
      {"0x0", 0, 0, Damage::None, kNone, kNone},
      {"1x1", 1, 1, Damage::None, kNone, kNone},
      {"1x5000", 1, 5000, Damage::None, kNone, kNone},
      {"5000x1", 5000, 1, Damage::None, kNone, kNone},
      {"16384x1", 16384, 1, Damage::None, kNone, kNone},
      {"16385x1", 16385, 1, Damage::None, kRefused, kRefused},
      {"2x20000", 2, 20000, Damage::None, kRefused, kRefused},
      {"null data", 64, 32, Damage::NullData, kRefused, kNone},
      {"rowbytes not a whole pixel", 64, 32, Damage::RowbytesPlusOne, kRefused, kRefused},
      {"rowbytes 0", 64, 32, Damage::ZeroRowbytes, kRefused, kRefused},
      {"negative rowbytes", 64, 32, Damage::NegativeRowbytes, kRefused, kRefused},
  };
  World artwork = ostra::cli::toWorld(ostra::cli::sampleArtwork(64, 32));
  ostra::hostsim::ParamValue customLayer;
  customLayer.v[0] = 2;
  for (const LayerCase& c : cases) {
    SCOPED_TRACE(c.what);
    World layer(c.width, c.height, c.width * 4 + 4);
    layer.fill({255, 200, 100, 50});
    PF_LayerDef record = damaged(layer, c.damage);
    {
      SCOPED_TRACE("as the input");
      host().params().resetValues();
      World output(c.width, c.height, c.width * 4 + kPadding);
      ostra::test::GlTracker gl;
      gl.watchContext(host().hostGLContext());
      host().params().setInputLayer(&record);
      ostra::hostsim::ParamArray params = host().paramArray();
      testing::internal::CaptureStdout();
      const CallResult result = host().send(PF_Cmd_RENDER, params.data(), &output.def());
      testing::internal::GetCapturedStdout();
      host().params().setInputLayer(nullptr);
      EXPECT_EQ(result.err, c.asInput);
      expectClean(result, output, gl);
    }
    {
      SCOPED_TRACE("as the Map Layer");
      host().params().resetValues();
      host().params().setValue(host().params().indexOf("Map Type"), customLayer);
      ostra::hostsim::ParamValue map;
      map.layer = &record;
      host().params().setValue(host().params().indexOf("Map Layer"), map);
      World output(64, 32, 64 * 4 + kPadding);
      ostra::test::GlTracker gl;
      const CallResult result = watchedRender(artwork, output, gl);
      EXPECT_EQ(result.err, c.asMapLayer);
      expectClean(result, output, gl);
    }
  }
}

// The module copies only what both worlds hold: a smaller output gets the top-left part of the
// frame, a larger one the whole frame with the rest left as the host gave it.
TEST_F(HostileValuesTest, OutputWorldsOfOtherSizesGetWhatFitsAndNothingMore) {
  World input = ostra::cli::toWorld(ostra::cli::sampleArtwork(64, 32));
  World full(64, 32);
  ASSERT_EQ(render(input, full).err, PF_Err_NONE);

  struct OutputCase {
    A_long width, height, rowbytes;
  };
  const OutputCase cases[] = {{32, 16, 32 * 4 + kPadding}, {1, 32, 4 + kPadding},
                              {64, 1, 64 * 4 + kPadding},  {0, 0, kPadding},
                              {96, 48, 96 * 4 + kPadding}, {63, 31, 63 * 4 + 3}};
  for (const OutputCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " rowbytes " +
                 std::to_string(c.rowbytes));
    World output(c.width, c.height, c.rowbytes);
    const PF_Pixel untouched{1, 2, 3, 4};
    output.fill(untouched);
    ostra::test::GlTracker gl;
    const CallResult result = watchedRender(input, output, gl);
    EXPECT_EQ(result.err, PF_Err_NONE);
    expectClean(result, output, gl);
    for (A_long y = 0; y < c.height; ++y) {
      for (A_long x = 0; x < c.width; ++x) {
        const PF_Pixel got = output.at(x, y);
        const PF_Pixel want = x < 64 && y < 32 ? full.at(x, y) : untouched;
        ASSERT_TRUE(got.alpha == want.alpha && got.red == want.red && got.green == want.green &&
                    got.blue == want.blue)
            << "pixel " << x << "," << y;
      }
    }
  }
}

// Commands out of their order. A Render before Global Setup has no context to draw with and
// fails. A second Global Setup keeps the context it has. After Global Setdown the pipeline is
// gone for the life of the module, so a Render fails there too, also after another Global
// Setup; a host reloads the module to render again. Setdown always leaves nothing behind.
TEST(HostileOrderTest, CommandsOutOfOrderFailCleanlyAndLeaveNothingBehind) {
  ostra::platform::reset();
  auto session = std::make_unique<ostra::cli::EffectSession>(OSTRA_MODULE_PATH, false);
  ostra::hostsim::Host& host = session->host();
  World input = ostra::cli::toWorld(ostra::cli::sampleArtwork(32, 16));
  const auto renderOnce = [&] {
    World output(32, 16, 32 * 4 + kPadding);
    host.params().setInputLayer(&input.def());
    ostra::hostsim::ParamArray params = host.paramArray();
    testing::internal::CaptureStdout();
    const CallResult result = host.send(PF_Cmd_RENDER, params.data(), &output.def());
    testing::internal::GetCapturedStdout();
    host.params().setInputLayer(nullptr);
    EXPECT_TRUE(result.hostContextCurrent);
    EXPECT_TRUE(output.paddingIntact());
    return result.err;
  };
  const auto send = [&](PF_Cmd cmd) {
    testing::internal::CaptureStdout();
    const CallResult result = host.send(cmd);
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(result.hostContextCurrent);
    return result.err;
  };
  const int hostContexts = ostra::platform::counts().liveContexts;

  EXPECT_EQ(renderOnce(), PF_Err_BAD_CALLBACK_PARAM) << "before Global Setup";
  EXPECT_EQ(ostra::platform::counts().liveContexts, hostContexts) << "no context of its own";

  ASSERT_EQ(send(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
  EXPECT_EQ(renderOnce(), PF_Err_NONE);
  const int contexts = ostra::platform::counts().liveContexts;
  EXPECT_EQ(send(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE) << "a second Global Setup";
  EXPECT_EQ(ostra::platform::counts().liveContexts, contexts);
  EXPECT_EQ(renderOnce(), PF_Err_NONE);

  EXPECT_EQ(send(PF_Cmd_GLOBAL_SETDOWN), PF_Err_NONE);
  EXPECT_EQ(ostra::platform::counts().liveContexts, hostContexts);
  EXPECT_EQ(renderOnce(), PF_Err_BAD_CALLBACK_PARAM) << "after Global Setdown";
  EXPECT_EQ(send(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE) << "Global Setup after Setdown";
  EXPECT_EQ(renderOnce(), PF_Err_BAD_CALLBACK_PARAM);
  EXPECT_EQ(send(PF_Cmd_GLOBAL_SETDOWN), PF_Err_NONE);
  EXPECT_EQ(send(PF_Cmd_GLOBAL_SETDOWN), PF_Err_NONE) << "a second Global Setdown";

  session.reset();
  const ostra::platform::Counts after = ostra::platform::counts();
  EXPECT_EQ(after.liveContexts, 0);
  EXPECT_EQ(after.liveWindows, 0);
  EXPECT_EQ(after.liveClasses, 0);
}

}  // namespace
