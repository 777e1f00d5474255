#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "case_name.h"
#include "fake_module.h"
#include "fake_probe.h"
#include "hostsim/ansi_suite.h"
#include "hostsim/host.h"
#if !defined(_WIN32)
#include "platform/control.h"
#endif

namespace ostra::hostsim::test {
namespace {

TEST(Host, ListsTheModuleAndFillsTheRecordsItSends) {
  FakeModule fake;
  Host host(fake.path());

  EXPECT_EQ(host.listing().name, "Fake Effect");
  EXPECT_EQ(host.listing().entryPoint, "EntryPointFunc");
  ASSERT_NE(host.entry(), nullptr);

  const PF_InData& in = host.inData();
  EXPECT_NE(in.effect_ref, nullptr);
  ASSERT_NE(in.pica_basicP, nullptr);
  ASSERT_NE(in.utils, nullptr);
  char text[kAnsiBufferSize] = {};
  in.utils->ansi.sprintf(text, "%s %d", "frame", 7);
  EXPECT_STREQ(text, "frame 7");
  EXPECT_STREQ(in.utils->ansi.strcpy(text, "copied"), "copied");
  EXPECT_EQ(in.current_time, 0);
  EXPECT_EQ(in.time_step, 1);
  EXPECT_EQ(in.time_scale, 30u);
  EXPECT_EQ(in.downsample_x.num, 1);
  EXPECT_EQ(in.downsample_x.den, 1u);
  EXPECT_EQ(in.downsample_y.num, 1);
  EXPECT_EQ(in.downsample_y.den, 1u);
  EXPECT_EQ(in.version_major, 13);
  EXPECT_EQ(in.version_minor, 28);

  const PF_OutData zeroed{};
  EXPECT_EQ(std::memcmp(&host.outData(), &zeroed, sizeof(zeroed)), 0);
}

TEST(Host, SendsEachCommandToTheEntryPoint) {
  FakeModule fake;
  Host host(fake.path());

  FakeProbe probe;
  ASSERT_EQ(host.send(PF_Cmd_GLOBAL_SETUP).err, PF_Err_NONE);
  EXPECT_EQ(host.send(kProbeCmd, nullptr, nullptr, &probe).err, kProbeCmd);
  EXPECT_EQ(host.send(PF_Cmd_ABOUT).err, PF_Err_NONE);
  EXPECT_STREQ(host.outData().return_msg, "Fake Effect v1.0\rby hostsim");
  EXPECT_EQ(host.send(PF_Cmd_GLOBAL_SETDOWN).err, PF_Err_NONE);
}

struct LoadFailure {
  const char* what;
  std::function<std::unique_ptr<FakeModule>()> make;
  std::string pathSuffix;  // appended to the module's path
  const char* message;
};

class HostLoadFailure : public ::testing::TestWithParam<LoadFailure> {};

// Each failure leaves nothing behind: the next Host can be made.
TEST_P(HostLoadFailure, ThrowsAndFreesTheHostSlot) {
  const LoadFailure& failure = GetParam();
  {
    std::unique_ptr<FakeModule> fake = failure.make();
    try {
      Host host(fake->path() + failure.pathSuffix);
      FAIL() << "loaded a module with " << failure.what;
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find(failure.message), std::string::npos) << error.what();
    }
  }
  FakeModule good;
  EXPECT_NO_THROW(Host{good.path()});
}

const LoadFailure kLoadFailures[] = {
    {"no such file", [] { return std::make_unique<FakeModule>(); }, ".missing", "cannot load"},
    {"no PiPL beside it", [] { return std::make_unique<FakeModule>(std::nullopt); }, "",
     "cannot read the PiPL"},
    {"a malformed PiPL",
     [] {
       return std::make_unique<FakeModule>(Bytes{1, 0});
     },
     "", "truncated"},
    {"a PiPL naming another export",
     [] { return std::make_unique<FakeModule>(piplBlob(fakeRecords("EffectMain"))); }, "",
     "does not export EffectMain"},
};
INSTANTIATE_TEST_SUITE_P(Cases, HostLoadFailure, ::testing::ValuesIn(kLoadFailures), NameByWhat());

TEST(Host, OneLivesAtATime) {
  FakeModule fake;
  {
    Host first(fake.path());
    EXPECT_THROW(Host{fake.path()}, std::logic_error);
    EXPECT_EQ(first.send(PF_Cmd_ABOUT).err, PF_Err_NONE);  // the refused one took nothing
  }
  EXPECT_NO_THROW(Host{fake.path()});
}

// Failing a call and counting live objects take the Linux platform's control surface; Windows has
// only the system's calls.
#if !defined(_WIN32)
class HostGLContextFailure
    : public ::testing::TestWithParam<std::pair<platform::Call, const char*>> {
 protected:
  void TearDown() override { platform::reset(); }
};

// Whichever step fails, the steps before it are undone.
TEST_P(HostGLContextFailure, ReleasesWhatWasMade) {
  FakeModule fake;
  const platform::Counts before = platform::counts();
  platform::failCall(GetParam().first);
  try {
    Host host(fake.path());
    FAIL() << "made a host GL context although " << GetParam().second << " failed";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().second), std::string::npos) << error.what();
  }
  const platform::Counts after = platform::counts();
  EXPECT_EQ(after.liveContexts, before.liveContexts);
  EXPECT_EQ(after.liveWindows, before.liveWindows);
  EXPECT_EQ(after.liveClasses, before.liveClasses);
}

using platform::Call;
std::string callName(const ::testing::TestParamInfo<std::pair<Call, const char*>>& param) {
  return param.param.second;
}
INSTANTIATE_TEST_SUITE_P(Calls, HostGLContextFailure,
                         ::testing::Values(std::pair{Call::RegisterClassExA, "RegisterClassExA"},
                                           std::pair{Call::CreateWindowExA, "CreateWindowExA"},
                                           std::pair{Call::GetDC, "GetDC"},
                                           std::pair{Call::ChoosePixelFormat, "ChoosePixelFormat"},
                                           std::pair{Call::SetPixelFormat, "SetPixelFormat"},
                                           std::pair{Call::wglCreateContext, "wglCreateContext"}),
                         callName);

TEST(Host, ReleasesItsGLContextWindowAndClass) {
  FakeModule fake;
  const platform::Counts before = platform::counts();
  {
    Host host(fake.path());
    EXPECT_EQ(platform::counts().liveContexts, before.liveContexts + 1);
    EXPECT_EQ(platform::counts().liveWindows, before.liveWindows + 1);
    EXPECT_EQ(platform::counts().liveClasses, before.liveClasses + 1);
  }
  const platform::Counts after = platform::counts();
  EXPECT_EQ(after.liveContexts, before.liveContexts);
  EXPECT_EQ(after.liveWindows, before.liveWindows);
  EXPECT_EQ(after.liveClasses, before.liveClasses);
  EXPECT_EQ(after.contextsDeleted, before.contextsDeleted + 1);
}
#endif  // !defined(_WIN32)

}  // namespace
}  // namespace ostra::hostsim::test
