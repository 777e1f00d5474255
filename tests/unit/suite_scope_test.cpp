// A suite is given back exactly when it was lent, on every way out of the scope.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/host/suite_scope.h"

using Kestrix::Bevel::SuiteScope;

namespace {

struct FakeSuite {
  int marker;
};

FakeSuite fakeTable{7};
std::vector<std::string> calls;
bool refuse = false;
bool lendNull = false;

SPErr acquire(const char* name, int32_t version, const void** suite) {
  calls.push_back("acquire " + std::string(name) + " " + std::to_string(version));
  if (refuse) return 1;
  *suite = lendNull ? nullptr : &fakeTable;
  return 0;
}

SPErr release(const char* name, int32_t version) {
  calls.push_back("release " + std::string(name) + " " + std::to_string(version));
  return 0;
}

class SuiteScopeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    calls.clear();
    refuse = lendNull = false;
    basic.AcquireSuite = acquire;
    basic.ReleaseSuite = release;
    in.pica_basicP = &basic;
  }
  SPBasicSuite basic{};
  PF_InData in{};
};

}  // namespace

TEST_F(SuiteScopeTest, ReleasesByTheSameNameAndVersionOnNormalExitAndOnUnwinding) {
  {
    SuiteScope<FakeSuite> scope(&in, "Fake Suite", 3);
    EXPECT_EQ(scope->marker, 7);
  }
  try {
    SuiteScope<FakeSuite> scope(&in, "Fake Suite", 3);
    throw 4;
  } catch (int) {
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"acquire Fake Suite 3", "release Fake Suite 3",
                                             "acquire Fake Suite 3", "release Fake Suite 3"}));
}

TEST_F(SuiteScopeTest, RefusalThrowsMissingSuiteAndReleasesNothing) {
  refuse = true;
  try {
    SuiteScope<FakeSuite> scope(&in, "Fake Suite", 3);
    FAIL();
  } catch (int code) {
    EXPECT_EQ(code, 13);
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"acquire Fake Suite 3"}));
}

TEST_F(SuiteScopeTest, NoBasicSuiteOrANullTableIsAMissingSuite) {
  lendNull = true;
  EXPECT_THROW(SuiteScope<FakeSuite>(&in, "Fake Suite", 3), int);
  EXPECT_EQ(calls.size(), 2u) << "a table-less success is given back";
  in.pica_basicP = nullptr;
  EXPECT_THROW(SuiteScope<FakeSuite>(&in, "Fake Suite", 3), int);
}
