#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

#include "fake_module.h"
#include "fake_probe.h"
#include "hostsim/host.h"
#include "hostsim/host_thread.h"

namespace ostra::hostsim::test {
namespace {

TEST(HostThread, RunsEveryJobOnTheSamePersistentThread) {
  HostThread worker;
  std::thread::id first;
  std::thread::id second;
  worker.run([&] { first = std::this_thread::get_id(); });
  EXPECT_THROW(worker.run([] { throw std::runtime_error("job failed"); }), std::runtime_error);
  worker.run([&] { second = std::this_thread::get_id(); });
  EXPECT_EQ(first, worker.id());
  EXPECT_EQ(second, first);
  EXPECT_NE(first, std::this_thread::get_id());
}

// The host context travels: each call makes it current on its thread and lets it go after, or
// the next thread could not take it.
TEST(HostThreads, EachThreadMeetsTheHostContext) {
  FakeModule fake;
  Host host(fake.path());
  HostThread threads[3];
  threads[0].run([&] { ASSERT_EQ(host.send(PF_Cmd_GLOBAL_SETUP).err, PF_Err_NONE); });
  for (int round = 0; round < 6; ++round) {
    threads[round % 3].run([&] {
      FakeProbe probe;
      const CallResult result = host.send(kProbeCmd, nullptr, nullptr, &probe);
      EXPECT_EQ(result.err, kProbeCmd);
      EXPECT_TRUE(result.hostContextCurrent);
      EXPECT_EQ(probe.seenContext, host.hostGLContext());
      EXPECT_EQ(wglGetCurrentContext(), nullptr);
    });
  }
  threads[2].run([&] { EXPECT_EQ(host.send(PF_Cmd_GLOBAL_SETDOWN).err, PF_Err_NONE); });
}

TEST(HostThreads, CallsFromSeveralThreadsAtOnceAreServedOneAtATime) {
  FakeModule fake;
  Host host(fake.path());
  ASSERT_EQ(host.send(PF_Cmd_GLOBAL_SETUP).err, PF_Err_NONE);

  constexpr int kThreads = 4;
  constexpr int kCalls = 25;
  std::vector<int> served(kThreads, 0);
  std::vector<int> overlapped(kThreads, 0);
  std::vector<std::string> failures(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      try {
        for (int call = 0; call < kCalls; ++call) {
          FakeProbe probe;
          const CallResult result = host.send(kProbeCmd, nullptr, nullptr, &probe);
          served[t] += result.err == kProbeCmd && result.hostContextCurrent;
          overlapped[t] += probe.overlapped;
        }
      } catch (const std::exception& error) {
        failures[t] = error.what();
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) {
    EXPECT_EQ(failures[t], "") << "thread " << t;
    EXPECT_EQ(served[t], kCalls) << "thread " << t;
    EXPECT_EQ(overlapped[t], 0) << "thread " << t;
  }
  EXPECT_EQ(host.send(PF_Cmd_GLOBAL_SETDOWN).err, PF_Err_NONE);
}

}  // namespace
}  // namespace ostra::hostsim::test
