// A user's change through the host: supervised parameters send User Changed Param with the
// current records, and the visibility follows; others send nothing.
#include <gtest/gtest.h>

#include "tests/integration/module_fixture.h"

namespace {

ostra::hostsim::ParamValue choice(int value) {
  ostra::hostsim::ParamValue v;
  v.v[0] = value;
  return v;
}

using UserChangeTest = ostra::test::ModuleTest;

TEST_F(UserChangeTest, SupervisedChangesReachTheEffectAndOthersDoNot) {
  ASSERT_EQ(host().send(PF_Cmd_PARAMS_SETUP).err, PF_Err_NONE);

  EXPECT_EQ(host().changeParam(4, choice(30)).err, PF_Err_NONE);  // Bevel End: not supervised
  EXPECT_TRUE(host().paramUIUpdates().updates().empty());

  const ostra::hostsim::CallResult golden = host().changeParam(16, choice(3));  // Golden
  EXPECT_EQ(golden.err, PF_Err_NONE);
  EXPECT_FALSE(host().paramUIUpdates().updates().empty());
  EXPECT_TRUE(host().streamHidden(17));
  EXPECT_TRUE(host().streamHidden(18));
  EXPECT_FALSE(host().streamHidden(19));
  EXPECT_FALSE(host().streamHidden(20));

  host().changeParam(35, choice(2));  // L2 Parallel Light
  EXPECT_FALSE(host().streamHidden(38));
  host().changeParam(35, choice(1));
  EXPECT_TRUE(host().streamHidden(38));
}

}  // namespace
