// The entry point's command table, About, Global Setup and Setdown, through the real module.
#include <cstring>
#include <string>

#include "tests/integration/module_fixture.h"

using ostra::test::ModuleTest;

namespace {

PF_OutData filledOutData() {
  PF_OutData out;
  std::memset(&out, 0x5a, sizeof out);
  return out;
}

}  // namespace

TEST_F(ModuleTest, UnservedCommandsReturnZeroAndLeaveOutDataAlone) {
  for (PF_Cmd cmd : {PF_Cmd_UNUSED_0, PF_Cmd_SEQUENCE_SETUP, PF_Cmd_DO_DIALOG, PF_Cmd_FRAME_SETDOWN,
                     PF_Cmd_AUDIO_SETUP}) {
    host().outData() = filledOutData();
    const PF_OutData before = host().outData();
    EXPECT_EQ(host().send(cmd).err, PF_Err_NONE) << cmd;
    EXPECT_EQ(std::memcmp(&before, &host().outData(), sizeof before), 0) << cmd;
  }
}

TEST_F(ModuleTest, AboutWritesNameVersionCarriageReturnName) {
  ASSERT_EQ(host().send(PF_Cmd_ABOUT).err, PF_Err_NONE);
  EXPECT_EQ(std::string(host().outData().return_msg), "Ostra Quellon v1.0\rOstra Quellon");
  EXPECT_EQ(host().outstandingSuites(), 0);
}

TEST_F(ModuleTest, AboutWithoutTheAnsiSuiteFailsAndLeavesTheMessage) {
  host().refuseSuite("PF ANSI Suite");
  std::strcpy(host().outData().return_msg, "as it was");
  EXPECT_EQ(host().send(PF_Cmd_ABOUT).err, PF_Err_BAD_CALLBACK_PARAM) << "516, never 13";
  EXPECT_STREQ(host().outData().return_msg, "as it was");
}

TEST_F(ModuleTest, GlobalSetupDeclaresVersionAndFlagsWhateverTheyHeld) {
  host().outData() = filledOutData();
  const auto result = sendQuietly(PF_Cmd_GLOBAL_SETUP);
  EXPECT_EQ(result.err, PF_Err_NONE);
  EXPECT_TRUE(result.hostContextCurrent);
  EXPECT_EQ(host().outData().my_version, 0x80001u);
  EXPECT_EQ(host().outData().out_flags, 0x8000);
  EXPECT_EQ(host().outData().out_flags2, 8);

  const auto setdown = sendQuietly(PF_Cmd_GLOBAL_SETDOWN);
  EXPECT_EQ(setdown.err, PF_Err_NONE);
  EXPECT_TRUE(setdown.hostContextCurrent);
}

TEST_F(ModuleTest, SetupAndSetdownRestoreTheHostsContextOrNone) {
  for (auto mode : {ostra::hostsim::HostContext::Own, ostra::hostsim::HostContext::None}) {
    host().setHostContext(mode);
    EXPECT_TRUE(sendQuietly(PF_Cmd_GLOBAL_SETUP).hostContextCurrent);
    EXPECT_TRUE(sendQuietly(PF_Cmd_GLOBAL_SETDOWN).hostContextCurrent);
  }
}

// Counting contexts and dropping the extension take the Linux platform's control surface;
// Windows has only the system's calls.
#if !defined(_WIN32)
TEST_F(ModuleTest, SetupAndSetdownLeaveNoContextOfTheirOwnAndRestoreTheHosts) {
  for (auto mode : {ostra::hostsim::HostContext::Own, ostra::hostsim::HostContext::None}) {
    host().setHostContext(mode);
    const auto before = ostra::platform::counts();
    EXPECT_TRUE(sendQuietly(PF_Cmd_GLOBAL_SETUP).hostContextCurrent);
    EXPECT_EQ(ostra::platform::counts().liveContexts, before.liveContexts + 1);
    EXPECT_TRUE(sendQuietly(PF_Cmd_GLOBAL_SETDOWN).hostContextCurrent);
    const auto after = ostra::platform::counts();
    EXPECT_EQ(after.liveContexts, before.liveContexts);
    EXPECT_EQ(after.liveWindows, before.liveWindows);
    EXPECT_EQ(after.liveClasses, before.liveClasses);
  }
}

TEST_F(ModuleTest, DriverWithoutCreateContextFailsSetupWithoutAnExceptionEscaping) {
  ostra::platform::dropCreateContextExtension(true);
  const auto before = ostra::platform::counts();
  const auto setup = sendQuietly(PF_Cmd_GLOBAL_SETUP);
  EXPECT_NE(setup.err, PF_Err_NONE);
  EXPECT_TRUE(setup.hostContextCurrent);
  EXPECT_EQ(ostra::platform::counts().liveContexts, before.liveContexts);

  // Setdown after a failed Setup has no context to make current; it still completes.
  const auto setdown = sendQuietly(PF_Cmd_GLOBAL_SETDOWN);
  EXPECT_EQ(setdown.err, PF_Err_NONE);
  EXPECT_TRUE(setdown.hostContextCurrent);
}
#endif  // !defined(_WIN32)
