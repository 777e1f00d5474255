#include "hostsim/handle_suite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "fake_module.h"
#include "hostsim/host.h"

namespace ostra::hostsim::test {
namespace {

// The suite is taken through pica_basicP, exactly as the module takes it.
class HandleSuite : public ::testing::Test {
 protected:
  void SetUp() override {
    const void* table = nullptr;
    ASSERT_EQ(basic().AcquireSuite(kPFHandleSuite, kPFHandleSuiteVersion2, &table), 0);
    ASSERT_NE(table, nullptr);
    suite = static_cast<const PF_HandleSuite2*>(table);
  }
  void TearDown() override { basic().ReleaseSuite(kPFHandleSuite, kPFHandleSuiteVersion2); }
  const SPBasicSuite& basic() { return *host.inData().pica_basicP; }

  FakeModule fake;
  Host host{fake.path()};
  const PF_HandleSuite2* suite = nullptr;
};

TEST_F(HandleSuite, EachHandleOwnsItsBytesUntilDisposed) {
  const A_u_longlong sizes[] = {0, 1, 64 * 64 * 4};
  std::vector<PF_Handle> handles;
  std::vector<void*> blocks;
  for (A_u_longlong size : sizes) {
    PF_Handle handle = suite->host_new_handle(size);
    ASSERT_NE(handle, nullptr) << size;
    handles.push_back(handle);
    EXPECT_EQ(host.liveHandles(), static_cast<int>(handles.size()));
    EXPECT_EQ(suite->host_get_handle_size(handle), size);

    auto* bytes = static_cast<uint8_t*>(suite->host_lock_handle(handle));
    ASSERT_NE(bytes, nullptr) << "even an empty handle locks to a pointer";
    EXPECT_EQ(bytes, *handle) << "a handle points at the pointer to its bytes";
    EXPECT_TRUE(std::all_of(bytes, bytes + size, [](uint8_t b) { return b == 0; }));
    std::memset(bytes, 0x5A, size);
    blocks.push_back(bytes);
    suite->host_unlock_handle(handle);
  }
  std::sort(blocks.begin(), blocks.end());
  EXPECT_EQ(std::adjacent_find(blocks.begin(), blocks.end()), blocks.end()) << "shared bytes";

  // Bytes written stay the handle's own across locks.
  auto* big = static_cast<uint8_t*>(suite->host_lock_handle(handles.back()));
  EXPECT_EQ(big[64 * 64 * 4 - 1], 0x5A);
  suite->host_unlock_handle(handles.back());

  for (PF_Handle handle : handles) suite->host_dispose_handle(handle);
  EXPECT_EQ(host.liveHandles(), 0);
  EXPECT_EQ(host.handleHeap().strayCalls(), 0);
}

// What a careless module does is answered harmlessly and counted, never freed twice.
TEST_F(HandleSuite, HandlesItDoesNotHoldAreStrayCalls) {
  PF_Handle handle = suite->host_new_handle(16);
  ASSERT_NE(handle, nullptr);
  suite->host_dispose_handle(handle);
  suite->host_dispose_handle(handle);
  EXPECT_EQ(suite->host_lock_handle(handle), nullptr);
  EXPECT_EQ(suite->host_get_handle_size(handle), 0u);
  suite->host_unlock_handle(nullptr);
  EXPECT_EQ(host.handleHeap().strayCalls(), 4);
  EXPECT_EQ(host.liveHandles(), 0);
}

TEST_F(HandleSuite, TheNextAllocationFailsWhenAsked) {
  host.failNextHandleAllocation();
  EXPECT_EQ(suite->host_new_handle(64), nullptr);
  EXPECT_EQ(host.liveHandles(), 0);
  PF_Handle handle = suite->host_new_handle(64);
  ASSERT_NE(handle, nullptr) << "only one allocation fails";
  suite->host_dispose_handle(handle);
}

TEST_F(HandleSuite, ServesRenderThreadsAtOnce) {
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([this, t] {
      for (int i = 0; i < 200; ++i) {
        PF_Handle handle = suite->host_new_handle(256);
        if (handle == nullptr) continue;
        std::memset(suite->host_lock_handle(handle), t, 256);
        suite->host_unlock_handle(handle);
        suite->host_dispose_handle(handle);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(host.liveHandles(), 0);
  EXPECT_EQ(host.handleHeap().strayCalls(), 0);
}

TEST_F(HandleSuite, CanBeRefused) {
  host.refuseSuite(kPFHandleSuite);
  const void* table = suite;
  EXPECT_NE(basic().AcquireSuite(kPFHandleSuite, kPFHandleSuiteVersion2, &table), 0);
  EXPECT_EQ(table, nullptr);
  host.refuseSuite(kPFHandleSuite, false);
  ASSERT_EQ(basic().AcquireSuite(kPFHandleSuite, kPFHandleSuiteVersion2, &table), 0);
  EXPECT_EQ(table, suite);
  basic().ReleaseSuite(kPFHandleSuite, kPFHandleSuiteVersion2);
}

TEST(HandleSuiteWithoutHost, AllocatesNothingOnceTheHostIsGone) {
  FakeModule fake;
  auto host = std::make_unique<Host>(fake.path());
  const void* table = nullptr;
  ASSERT_EQ(
      host->inData().pica_basicP->AcquireSuite(kPFHandleSuite, kPFHandleSuiteVersion2, &table), 0);
  const auto* suite = static_cast<const PF_HandleSuite2*>(table);
  host.reset();
  EXPECT_EQ(suite->host_new_handle(16), nullptr);
}

}  // namespace
}  // namespace ostra::hostsim::test
