// The end of a host's session: after renders on several of the host's threads, Global Setdown
// releases every context, hidden window and window class the module made, wherever it made them.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "frame_renderer.h"
#include "hostsim/host.h"
#include "hostsim/host_thread.h"
#include "platform/control.h"
#include "sample_art.h"

namespace {

using ostra::hostsim::CallResult;
using ostra::hostsim::Host;
using ostra::hostsim::HostThread;
using ostra::platform::Counts;

CallResult sendQuietly(Host& host, PF_Cmd cmd) {
  testing::internal::CaptureStdout();  // Global Setup prints the OpenGL report
  const CallResult result = host.send(cmd);
  testing::internal::GetCapturedStdout();
  return result;
}

void expectLive(const Counts& counts, int objects, const char* when) {
  SCOPED_TRACE(when);
  EXPECT_EQ(counts.liveContexts, objects);
  EXPECT_EQ(counts.liveWindows, objects);
  EXPECT_EQ(counts.liveClasses, objects);
}

TEST(TeardownTest, SetdownAfterRendersOnSeveralThreadsLeavesNothingAlive) {
  ostra::platform::reset();
  // Each test runs in a process of its own: nothing lives before the host.
  expectLive(ostra::platform::counts(), 0, "before the host");
  {
    Host host(OSTRA_MODULE_PATH);
    const int hostOwn = ostra::platform::counts().liveContexts;
    expectLive(ostra::platform::counts(), hostOwn, "the host's own");
    ASSERT_EQ(sendQuietly(host, PF_Cmd_GLOBAL_SETUP).err, PF_Err_NONE);
    ASSERT_EQ(sendQuietly(host, PF_Cmd_PARAMS_SETUP).err, PF_Err_NONE);
    expectLive(ostra::platform::counts(), hostOwn + 1, "after Global Setup");

    ostra::hostsim::World input = ostra::cli::toWorld(ostra::cli::sampleArtwork(48, 32));
    constexpr int kThreads = 3;
    {
      std::vector<std::unique_ptr<HostThread>> threads;
      for (int i = 0; i < kThreads; ++i) threads.push_back(std::make_unique<HostThread>());
      for (int frame = 0; frame < 2; ++frame) {
        for (auto& thread : threads) {
          thread->run([&] {
            ostra::hostsim::World output(48, 32);
            host.params().setInputLayer(&input.def());
            ostra::hostsim::ParamArray params = host.paramArray();
            testing::internal::CaptureStdout();  // a thread's first context prints its report
            const CallResult result = host.send(PF_Cmd_RENDER, params.data(), &output.def());
            testing::internal::GetCapturedStdout();
            host.params().setInputLayer(nullptr);
            EXPECT_EQ(result.err, PF_Err_NONE);
            EXPECT_TRUE(result.hostContextCurrent);
          });
        }
      }
      expectLive(ostra::platform::counts(), hostOwn + 1 + kThreads, "a context per thread");
      // The rendering threads still run, as a host's do when it quits; Setdown comes from
      // another thread and releases their contexts all the same.
      ASSERT_EQ(sendQuietly(host, PF_Cmd_GLOBAL_SETDOWN).err, PF_Err_NONE);
      expectLive(ostra::platform::counts(), hostOwn, "after Global Setdown");
    }
    expectLive(ostra::platform::counts(), hostOwn, "after the threads end");
  }
  expectLive(ostra::platform::counts(), 0, "after the host");
  EXPECT_EQ(ostra::platform::counts().contextsCreated, ostra::platform::counts().contextsDeleted);
}

}  // namespace
