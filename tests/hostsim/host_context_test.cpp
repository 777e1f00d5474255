#include <gtest/gtest.h>

#include "fake_module.h"
#include "fake_probe.h"
#include "hostsim/host.h"

namespace ostra::hostsim::test {
namespace {

struct ContextCase {
  HostContext mode;
  ProbeAction action;
  bool restored;
};

class HostContextCheck : public ::testing::TestWithParam<ContextCase> {};

// The module meets the host's context (or none) and is judged by what it leaves current.
TEST_P(HostContextCheck, TellsWhetherTheModuleRestoredIt) {
  const ContextCase& c = GetParam();
  FakeModule fake;
  Host host(fake.path());
  ASSERT_NE(host.hostGLContext(), nullptr);
  ASSERT_NE(host.hostDC(), nullptr);
  const CallResult setup = host.send(PF_Cmd_GLOBAL_SETUP);
  ASSERT_EQ(setup.err, PF_Err_NONE);
  EXPECT_TRUE(setup.hostContextCurrent);

  host.setHostContext(c.mode);
  FakeProbe probe;
  probe.action = c.action;
  const CallResult result = host.send(kProbeCmd, nullptr, nullptr, &probe);

  EXPECT_EQ(result.err, kProbeCmd);
  const bool own = c.mode == HostContext::Own;
  EXPECT_EQ(probe.seenContext, own ? host.hostGLContext() : nullptr);
  EXPECT_EQ(probe.seenDC, own ? host.hostDC() : nullptr);
  EXPECT_EQ(result.hostContextCurrent, c.restored);
  // Whatever the module left, the calling thread holds no context afterwards.
  EXPECT_EQ(wglGetCurrentContext(), nullptr);
  EXPECT_EQ(wglGetCurrentDC(), nullptr);
  EXPECT_EQ(host.send(PF_Cmd_GLOBAL_SETDOWN).err, PF_Err_NONE);
}

std::string caseName(const ::testing::TestParamInfo<ContextCase>& param) {
  const char* actions[] = {"Restore", "LeaveOwnCurrent", "LeaveNoneCurrent"};
  return std::string(param.param.mode == HostContext::Own ? "Own_" : "None_") +
         actions[static_cast<int>(param.param.action)];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostContextCheck,
    ::testing::Values(ContextCase{HostContext::Own, ProbeAction::Restore, true},
                      ContextCase{HostContext::Own, ProbeAction::LeaveOwnCurrent, false},
                      ContextCase{HostContext::Own, ProbeAction::LeaveNoneCurrent, false},
                      ContextCase{HostContext::None, ProbeAction::Restore, true},
                      ContextCase{HostContext::None, ProbeAction::LeaveOwnCurrent, false}),
    caseName);

}  // namespace
}  // namespace ostra::hostsim::test
