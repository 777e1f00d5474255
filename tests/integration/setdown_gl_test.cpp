// Global Setdown with no Render before it has nothing on the GPU to delete.
#include "tests/integration/module_fixture.h"
#include "tests/support/gl_tracker.h"

using ostra::test::ModuleTest;

// Watching the module's GL calls needs its binding to be ours: one shared library on Linux. The
// Windows module links its own copy.
#if !defined(_WIN32)
TEST_F(ModuleTest, SetdownWithoutARenderDeletesNoGlObject) {
  ASSERT_EQ(sendQuietly(PF_Cmd_GLOBAL_SETUP).err, PF_Err_NONE);
  // The module's binding lives in the same shared library as ours, so its calls are seen here.
  ostra::test::GlTracker tracker;
  ASSERT_EQ(sendQuietly(PF_Cmd_GLOBAL_SETDOWN).err, PF_Err_NONE);
  for (const char* deletion : {"glDeleteTextures", "glDeleteFramebuffers", "glDeleteRenderbuffers",
                               "glDeleteVertexArrays", "glDeleteBuffers", "glDeleteProgram"}) {
    EXPECT_EQ(tracker.callsOf(deletion), 0) << deletion;
  }
  EXPECT_EQ(tracker.errors(), std::vector<std::string>{});

  // The watch does see the module: a new Setup queries the context it makes.
  ASSERT_EQ(sendQuietly(PF_Cmd_GLOBAL_SETUP).err, PF_Err_NONE);
  EXPECT_GT(tracker.calls(), 0);
  ASSERT_EQ(sendQuietly(PF_Cmd_GLOBAL_SETDOWN).err, PF_Err_NONE);
}
#endif  // !defined(_WIN32)
