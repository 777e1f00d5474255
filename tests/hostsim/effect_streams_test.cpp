// Visibility lives in the host: a stream's hidden flag outlasts the handles that set it.
#include <gtest/gtest.h>

#include "fake_module.h"
#include "hostsim/effect_streams.h"
#include "hostsim/host.h"

namespace ostra::hostsim::test {
namespace {

class EffectStreamSuites : public ::testing::Test {
 protected:
  AEGP_EffectRefH newEffect() {
    AEGP_EffectRefH effect = nullptr;
    EXPECT_EQ(pfInterfaceSuite().AEGP_GetNewEffectForEffect(0, host.inData().effect_ref, &effect),
              0);
    return effect;
  }
  AEGP_StreamRefH newStream(AEGP_EffectRefH effect, PF_ParamIndex index) {
    AEGP_StreamRefH stream = nullptr;
    EXPECT_EQ(streamSuite().AEGP_GetNewEffectStreamByIndex(0, effect, index, &stream), 0);
    return stream;
  }
  AEGP_DynStreamFlags flagsOf(AEGP_StreamRefH stream) {
    AEGP_DynStreamFlags flags = -1;
    EXPECT_EQ(dynamicStreamSuite().AEGP_GetDynamicStreamFlags(stream, &flags), 0);
    return flags;
  }

  FakeModule fake;
  Host host{fake.path()};
};

TEST_F(EffectStreamSuites, HiddenFlagPersistsAcrossHandlesAndIsTheHostsToRead) {
  AEGP_EffectRefH effect = newEffect();
  AEGP_StreamRefH stream = newStream(effect, 17);
  EXPECT_EQ(flagsOf(stream), 0);
  EXPECT_EQ(dynamicStreamSuite().AEGP_SetDynamicStreamFlag(stream, AEGP_DynStreamFlag_HIDDEN, false,
                                                           true),
            0);
  EXPECT_EQ(streamSuite().AEGP_DisposeStream(stream), 0);
  EXPECT_EQ(effectSuite().AEGP_DisposeEffect(effect), 0);

  EXPECT_TRUE(host.streamHidden(17));
  EXPECT_FALSE(host.streamHidden(18));
  effect = newEffect();
  stream = newStream(effect, 17);
  EXPECT_EQ(flagsOf(stream), AEGP_DynStreamFlag_HIDDEN);
  host.setStreamHidden(17, false);
  EXPECT_EQ(flagsOf(stream), 0);
  streamSuite().AEGP_DisposeStream(stream);
  effectSuite().AEGP_DisposeEffect(effect);

  const StreamCounts counts = host.effectStreams().counts();
  EXPECT_EQ(counts.effectsTaken, 2);
  EXPECT_EQ(counts.liveEffects(), 0);
  EXPECT_EQ(counts.streamsTaken, 2);
  EXPECT_EQ(counts.liveStreams(), 0);
  ASSERT_EQ(host.effectStreams().flagChanges().size(), 1u);
  EXPECT_EQ(host.effectStreams().flagChanges()[0].index, 17);
}

TEST_F(EffectStreamSuites, RefusesWhatItNeverGaveAndFlagsItDoesNotKeep) {
  AEGP_EffectRefH effect = nullptr;
  int foreign = 0;
  EXPECT_NE(pfInterfaceSuite().AEGP_GetNewEffectForEffect(0, &foreign, &effect), 0);
  EXPECT_EQ(effect, nullptr);

  effect = newEffect();
  AEGP_StreamRefH stream = nullptr;
  EXPECT_NE(streamSuite().AEGP_GetNewEffectStreamByIndex(0, effect, -1, &stream), 0);
  stream = newStream(effect, 30);
  for (AEGP_DynStreamFlags flag : {0, AEGP_DynStreamFlag_HIDDEN | AEGP_DynStreamFlag_DISABLED, 8}) {
    EXPECT_NE(dynamicStreamSuite().AEGP_SetDynamicStreamFlag(stream, flag, false, true), 0) << flag;
  }
  EXPECT_EQ(flagsOf(stream), 0);

  EXPECT_EQ(streamSuite().AEGP_DisposeStream(stream), 0);
  EXPECT_NE(streamSuite().AEGP_DisposeStream(stream), 0) << "disposed twice";
  AEGP_DynStreamFlags flags = 0;
  EXPECT_NE(dynamicStreamSuite().AEGP_GetDynamicStreamFlags(stream, &flags), 0);
  EXPECT_EQ(effectSuite().AEGP_DisposeEffect(effect), 0);
  EXPECT_NE(effectSuite().AEGP_DisposeEffect(effect), 0) << "disposed twice";
  EXPECT_TRUE(host.effectStreams().flagChanges().empty());
}

}  // namespace
}  // namespace ostra::hostsim::test
