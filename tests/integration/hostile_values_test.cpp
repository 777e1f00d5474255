// Values no user interface would send, straight into the host's records: each render completes
// or fails with an error code, the host's context comes back, and nothing is written outside
// the output world.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "frame_renderer.h"
#include "platform/control.h"
#include "sample_art.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Hostile {
  const char* name;
  double a, b;
};

TEST(HostileValuesTest, RendersOrFailsCleanly) {
  ostra::platform::reset();
  testing::internal::CaptureStdout();
  auto renderer = std::make_unique<ostra::cli::FrameRenderer>(OSTRA_MODULE_PATH);
  testing::internal::GetCapturedStdout();
  ostra::hostsim::Host& host = renderer->host();
  const ostra::cli::RgbaImage image = ostra::cli::sampleArtwork(64, 32);
  ostra::hostsim::World input = ostra::cli::toWorld(image);

  const Hostile cases[] = {
      {"Bevel End", kNaN, 0},    {"Bevel Start", kInf, 0}, {"Gamma", 0, 0},
      {"Gamma", -kInf, 0},       {"Map Size", -1e30, 0},   {"Map Size", kNaN, 0},
      {"Smooth", 1e9, 0},        {"Extrude", 1e9, 0},      {"Extrude Center", 1e6, -1e6},
      {"L1 Position", 1e6, 1e6}, {"L1 Height", 0, 0},      {"Roughness", kNaN, 0},
      {"Quality", 0, 0},         {"Quality", 4, 0},        {"Map Type", 0, 0},
      {"Map Type", 6, 0},        {"L2 Type", 3, 0},        {"Edge Feather", -kInf, 0},
      {"Edge Clip", 1e9, 0},     {"Bevel End", 1e12, 0},
  };
  for (const Hostile& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.a));
    host.params().resetValues();
    ostra::hostsim::ParamValue value;
    value.v = {c.a, c.b, 0, 0};
    host.params().setValue(host.params().indexOf(c.name), value);

    ostra::hostsim::World output(64, 32, 64 * 4 + 12);  // padded rows show stray writes
    host.params().setInputLayer(&input.def());
    ostra::hostsim::ParamArray params = host.paramArray();
    testing::internal::CaptureStdout();
    const ostra::hostsim::CallResult result =
        host.send(PF_Cmd_RENDER, params.data(), &output.def());
    testing::internal::GetCapturedStdout();
    host.params().setInputLayer(nullptr);
    EXPECT_TRUE(result.err == PF_Err_NONE || result.err == PF_Err_BAD_CALLBACK_PARAM) << result.err;
    EXPECT_TRUE(result.hostContextCurrent);
    EXPECT_TRUE(output.paddingIntact());
  }
  renderer.reset();
  EXPECT_EQ(ostra::platform::counts().liveContexts, 0);
}

}  // namespace
