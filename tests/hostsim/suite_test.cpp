#include <gtest/gtest.h>

#include <memory>

#include "fake_module.h"
#include "hostsim/host.h"
#include "sdk/ae_suites.h"
#include "sdk/drawbot.h"

namespace ostra::hostsim::test {
namespace {

// Suites are taken through pica_basicP, exactly as the module takes them.
class Suites : public ::testing::Test {
 protected:
  SPErr acquire(const char* name, int32_t version, const void** table) {
    return basic().AcquireSuite(name, version, table);
  }
  SPErr release(const char* name, int32_t version) { return basic().ReleaseSuite(name, version); }
  const SPBasicSuite& basic() { return *host.inData().pica_basicP; }

  FakeModule fake;
  Host host{fake.path()};
};

// Poison so a failed acquisition is seen to clear the pointer.
const void* const kPoison = &kPFANSISuite;

TEST_F(Suites, EveryHostSuiteIsLentAtItsVersionOnly) {
  const std::pair<const char*, int32_t> suites[] = {
      {kPFANSISuite, kPFANSISuiteVersion1},
      {kPFParamUtilsSuite, kPFParamUtilsSuiteVersion3},
      {kAEGPPFInterfaceSuite, kAEGPPFInterfaceSuiteVersion1},
      {kAEGPEffectSuite, kAEGPEffectSuiteVersion2},
      {kAEGPStreamSuite, kAEGPStreamSuiteVersion7},
      {kAEGPDynamicStreamSuite, kAEGPDynamicStreamSuiteVersion2},
      {kPFHandleSuite, kPFHandleSuiteVersion2},
      {kPFAppSuite, kPFAppSuiteVersion6},
      {kPFEffectCustomUISuite, kPFEffectCustomUISuiteVersion1},
      {kDRAWBOT_DrawSuite, kDRAWBOT_DrawSuite_Version1},
      {kDRAWBOT_SupplierSuite, kDRAWBOT_SupplierSuite_Version1},
      {kDRAWBOT_SurfaceSuite, kDRAWBOT_SurfaceSuite_Version2},
      {kDRAWBOT_PathSuite, kDRAWBOT_PathSuite_Version1},
  };
  int held = 0;
  for (const auto& [name, version] : suites) {
    const void* table = kPoison;
    EXPECT_EQ(acquire(name, version, &table), 0) << name;
    EXPECT_NE(table, nullptr) << name;
    EXPECT_EQ(host.outstandingSuites(), ++held);
    table = kPoison;
    EXPECT_NE(acquire(name, version + 1, &table), 0) << name << " at another version";
    EXPECT_EQ(table, nullptr) << name;
  }
  for (const auto& [name, version] : suites) EXPECT_EQ(release(name, version), 0) << name;
  EXPECT_EQ(host.outstandingSuites(), 0);
}

TEST_F(Suites, TheAnsiSuiteWritesIntoTheCallersBuffer) {
  const void* table = nullptr;
  ASSERT_EQ(acquire(kPFANSISuite, kPFANSISuiteVersion1, &table), 0);
  const auto* ansi = static_cast<const PF_ANSICallbacksSuite1*>(table);
  char text[256];
  EXPECT_EQ(ansi->sprintf(text, "%s v%d.%d", "Ostra", 1, 0), 10);
  EXPECT_STREQ(text, "Ostra v1.0");
  EXPECT_STREQ(ansi->strcpy(text, "copy"), "copy");
  release(kPFANSISuite, kPFANSISuiteVersion1);
}

TEST_F(Suites, ARefusedSuiteFailsUntilAllowedAgain) {
  host.refuseSuite(kPFANSISuite);
  const void* table = kPoison;
  EXPECT_NE(acquire(kPFANSISuite, kPFANSISuiteVersion1, &table), 0);
  EXPECT_EQ(table, nullptr);
  EXPECT_EQ(host.outstandingSuites(), 0);

  // The module sees the refusal: its About fails and writes nothing.
  EXPECT_NE(host.send(PF_Cmd_ABOUT).err, PF_Err_NONE);
  EXPECT_STREQ(host.outData().return_msg, "");

  host.refuseSuite(kPFANSISuite, false);
  EXPECT_EQ(host.send(PF_Cmd_ABOUT).err, PF_Err_NONE);
  EXPECT_EQ(host.outstandingSuites(), 0);
}

TEST_F(Suites, RegisteringReplacesOrAddsATable) {
  const PF_ANSICallbacksSuite1 replacement{};
  host.registerSuite(kPFANSISuite, kPFANSISuiteVersion1, &replacement);
  host.registerSuite("Test Suite", 4, nullptr);  // lent, but as a null table

  const void* table = nullptr;
  EXPECT_EQ(acquire(kPFANSISuite, kPFANSISuiteVersion1, &table), 0);
  EXPECT_EQ(table, &replacement);
  table = kPoison;
  EXPECT_EQ(acquire("Test Suite", 4, &table), 0);
  EXPECT_EQ(table, nullptr);
  EXPECT_EQ(host.outstandingSuites(), 2);
}

// Unbalanced releases must not hide a suite that was never released.
TEST_F(Suites, OutstandingCountsOnlyReleasesOfHeldSuites) {
  const void* table = nullptr;
  EXPECT_NE(release(kPFHandleSuite, kPFHandleSuiteVersion2), 0);
  ASSERT_EQ(acquire(kPFHandleSuite, kPFHandleSuiteVersion2, &table), 0);
  ASSERT_EQ(acquire(kPFAppSuite, kPFAppSuiteVersion6, &table), 0);
  EXPECT_EQ(release(kPFHandleSuite, kPFHandleSuiteVersion2), 0);
  EXPECT_NE(release(kPFHandleSuite, kPFHandleSuiteVersion2), 0);
  EXPECT_EQ(host.outstandingSuites(), 1);

  EXPECT_EQ(host.acquireLog(), (std::vector<std::string>{
                                   "Release PF Handle Suite v2",
                                   "Acquire PF Handle Suite v2",
                                   "Acquire PF AE App Suite v6",
                                   "Release PF Handle Suite v2",
                                   "Release PF Handle Suite v2",
                               }));
}

TEST(SuitesWithoutHost, FailOnceTheHostIsGone) {
  FakeModule fake;
  auto host = std::make_unique<Host>(fake.path());
  const auto acquireSuite = host->inData().pica_basicP->AcquireSuite;
  host.reset();
  const void* table = kPoison;
  EXPECT_NE(acquireSuite(kPFANSISuite, kPFANSISuiteVersion1, &table), 0);
  EXPECT_EQ(table, nullptr);
}

}  // namespace
}  // namespace ostra::hostsim::test
