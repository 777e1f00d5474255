// The Drawbot suite set is taken in order up to the first refusal, the user is told which one
// is missing, and exactly what was taken is given back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/ui/drawbot_suites.h"

using Kestrix::Bevel::AEFX_AcquireDrawbotSuites;
using Kestrix::Bevel::AEFX_ReleaseDrawbotSuites;
using Kestrix::Bevel::DrawbotSuiteSet;

namespace {

int table = 0;
std::vector<std::string> calls;
std::string refused;
std::string lentNull;

SPErr acquire(const char* name, int32_t version, const void** suite) {
  calls.push_back("acquire " + std::string(name) + " " + std::to_string(version));
  if (name == refused) return 1;
  *suite = name == lentNull ? nullptr : &table;
  return 0;
}

SPErr release(const char* name, int32_t version) {
  calls.push_back("release " + std::string(name) + " " + std::to_string(version));
  return 0;
}

class DrawbotSuiteSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    calls.clear();
    refused.clear();
    lentNull.clear();
    basic.AcquireSuite = acquire;
    basic.ReleaseSuite = release;
    in.pica_basicP = &basic;
  }
  SPBasicSuite basic{};
  PF_InData in{};
  PF_OutData out{};
};

const char* const kOrder[] = {"DRAWBOT Draw Suite 1", "DRAWBOT Supplier Suite 1",
                              "DRAWBOT Surface Suite 2", "DRAWBOT Path Suite 1"};

TEST_F(DrawbotSuiteSetTest, TakesAllFourInOrderAndGivesThemBackInTheSameOrder) {
  {
    DrawbotSuiteSet set(&in, &out);
    EXPECT_EQ(set.error(), PF_Err_NONE);
    EXPECT_NE(set.suites().path_suiteP, nullptr);
  }
  std::vector<std::string> expected;
  for (const char* suite : kOrder) expected.push_back(std::string("acquire ") + suite);
  for (const char* suite : kOrder) expected.push_back(std::string("release ") + suite);
  EXPECT_EQ(calls, expected);
  EXPECT_EQ(out.out_flags, 0);
}

struct Missing {
  const char* name;
  bool refusedOutright;  // else lent as a null table
};

class DrawbotSuiteMissing : public DrawbotSuiteSetTest,
                            public ::testing::WithParamInterface<Missing> {};

TEST_P(DrawbotSuiteMissing, StopsThereTellsTheUserAndReleasesOnlyWhatItHolds) {
  const Missing& missing = GetParam();
  (missing.refusedOutright ? refused : lentNull) = missing.name;
  {
    DrawbotSuiteSet set(&in, &out);
    EXPECT_EQ(set.error(), PF_Err_BAD_CALLBACK_PARAM);
  }
  std::vector<std::string> acquired, released;
  for (const std::string& call : calls) {
    (call.starts_with("acquire") ? acquired : released).push_back(call.substr(8));
  }
  ASSERT_FALSE(acquired.empty());
  EXPECT_EQ(acquired.back().substr(0, acquired.back().rfind(' ')), missing.name);
  for (std::size_t i = 0; i < acquired.size(); ++i) EXPECT_EQ(acquired[i], kOrder[i]);
  // What was taken comes back in order; a null table is given back at once.
  std::vector<std::string> expectedBack(acquired.begin(), acquired.end() - 1);
  if (!missing.refusedOutright) expectedBack.insert(expectedBack.begin(), acquired.back());
  EXPECT_EQ(released, expectedBack);

  const std::string version = acquired.back().substr(acquired.back().rfind(' ') + 1);
  EXPECT_EQ(std::string(out.return_msg),
            "Not able to acquire AEFX Suite-" + std::string(missing.name) + "-" + version);
  EXPECT_EQ(out.out_flags, PF_OutFlag_DISPLAY_ERROR_MESSAGE);
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawbotSuiteMissing,
                         ::testing::Values(Missing{"DRAWBOT Draw Suite", true},
                                           Missing{"DRAWBOT Supplier Suite", true},
                                           Missing{"DRAWBOT Surface Suite", false},
                                           Missing{"DRAWBOT Path Suite", true}),
                         [](const auto& missing) {
                           std::string name = missing.param.name;
                           for (char& c : name) c = c == ' ' ? '_' : c;
                           return name;
                         });

TEST_F(DrawbotSuiteSetTest, ANullDestinationOrNoBasicSuiteIsReportedNotFollowed) {
  EXPECT_EQ(AEFX_AcquireDrawbotSuites(&in, &out, nullptr), PF_Err_UNRECOGNIZED_PARAM_TYPE);
  EXPECT_STREQ(out.return_msg, "NULL suite pointer passed to AEFX_AcquireDrawbotSuites");
  EXPECT_TRUE(calls.empty());

  in.pica_basicP = nullptr;
  DRAWBOT_Suites suites{};
  EXPECT_EQ(AEFX_AcquireDrawbotSuites(&in, &out, &suites), PF_Err_BAD_CALLBACK_PARAM);
  EXPECT_STREQ(out.return_msg, "Not able to acquire AEFX Suite-DRAWBOT Draw Suite-1");
  EXPECT_EQ(AEFX_ReleaseDrawbotSuites(&in, &out, &suites), PF_Err_NONE);
  EXPECT_TRUE(calls.empty());

  // Suites held when the basic suite went away cannot be given back; the user hears of it.
  in.pica_basicP = &basic;
  ASSERT_EQ(AEFX_AcquireDrawbotSuites(&in, &out, &suites), PF_Err_NONE);
  in.pica_basicP = nullptr;
  out = {};
  EXPECT_EQ(AEFX_ReleaseDrawbotSuites(&in, &out, &suites), PF_Err_NONE);
  EXPECT_STREQ(out.return_msg, "Not able to release AEFX Suite.");
  EXPECT_EQ(out.out_flags, PF_OutFlag_DISPLAY_ERROR_MESSAGE);
  EXPECT_EQ(suites.drawbot_suiteP, nullptr);
}

}  // namespace
