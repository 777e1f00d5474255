// The supervised popups show and hide their dependent parameters through the host's stream
// flags, which the host keeps between commands.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "tests/integration/module_fixture.h"
#include "tests/integration/param_records.h"

using namespace ostra::test;

namespace {

constexpr PF_ParamIndex kDependents[] = {kColor,        kMapLayer, kMapSize,
                                         kMapEvolution, kL1Target, kL2Target};

class Visibility : public ModuleTest {
 protected:
  // The host's in_data counts the records it passes with each command, the input layer's too.
  void SetUp() override {
    ModuleTest::SetUp();
    host().inData().num_params = ParamRecords::kCount;
  }
  ostra::hostsim::CallResult userChanged(PF_ParamIndex index, A_long value) {
    params.setPopup(index, value);
    PF_UserChangedParamExtra extra{index};
    return host().send(PF_Cmd_USER_CHANGED_PARAM, params.list(), nullptr, &extra);
  }
  ostra::hostsim::CallResult userChangedOther(PF_ParamIndex index) {
    PF_UserChangedParamExtra extra{index};
    return host().send(PF_Cmd_USER_CHANGED_PARAM, params.list(), nullptr, &extra);
  }
  // Which of the six dependents are shown.
  std::vector<PF_ParamIndex> shown() {
    std::vector<PF_ParamIndex> visible;
    for (PF_ParamIndex index : kDependents) {
      if (!host().streamHidden(index)) visible.push_back(index);
    }
    return visible;
  }
  void setHidden(std::initializer_list<PF_ParamIndex> indices, bool hidden) {
    for (PF_ParamIndex index : indices) host().setStreamHidden(index, hidden);
  }
  std::vector<PF_ParamIndex> updatedIndices() {
    std::vector<PF_ParamIndex> indices;
    for (const auto& update : host().paramUIUpdates().updates()) {
      EXPECT_EQ(update.record.uu.id, 10000 + update.index) << "the parameter's own record";
      indices.push_back(update.index);
    }
    return indices;
  }
  void expectEverythingGivenBack() {
    EXPECT_EQ(host().outstandingSuites(), 0);
    const auto counts = host().effectStreams().counts();
    EXPECT_EQ(counts.liveEffects(), 0);
    EXPECT_EQ(counts.liveStreams(), 0);
  }

  ParamRecords params;
};

using Shown = std::vector<PF_ParamIndex>;

TEST_F(Visibility, EachPatternShowsSizeAndEvolutionAndColorShowsOnlyColor) {
  for (A_long pattern : {kGolden, kCyberPunk, kRainbow}) {
    setHidden({kColor}, false);
    setHidden({kMapLayer, kMapSize, kMapEvolution}, true);
    host().paramUIUpdates().clear();
    ASSERT_EQ(userChanged(kMapType, pattern).err, PF_Err_NONE);
    EXPECT_EQ(shown(), (Shown{kMapSize, kMapEvolution, kL1Target, kL2Target})) << pattern;
    EXPECT_EQ(updatedIndices(), (Shown{kColor, kMapLayer, kMapSize, kMapEvolution}));

    ASSERT_EQ(userChanged(kMapType, kColorMap).err, PF_Err_NONE);
    EXPECT_EQ(shown(), (Shown{kColor, kL1Target, kL2Target})) << pattern << " then Color";
  }
  ASSERT_EQ(userChanged(kMapType, kCustomLayer).err, PF_Err_NONE);
  EXPECT_EQ(shown(), (Shown{kMapLayer, kL1Target, kL2Target}));
  expectEverythingGivenBack();
}

struct LightCase {
  const char* what;
  PF_ParamIndex type;
  PF_ParamIndex target;
  PF_ParamIndex otherTarget;
};

class LightVisibility : public Visibility, public ::testing::WithParamInterface<LightCase> {};

TEST_P(LightVisibility, ParallelLightShowsItsTargetPointLightHidesItAndTheOtherStays) {
  const LightCase& light = GetParam();
  setHidden({kL1Target, kL2Target}, true);
  ASSERT_EQ(userChanged(light.type, kParallelLight).err, PF_Err_NONE);
  EXPECT_FALSE(host().streamHidden(light.target));
  EXPECT_TRUE(host().streamHidden(light.otherTarget));
  ASSERT_EQ(userChanged(light.type, kPointLight).err, PF_Err_NONE);
  EXPECT_TRUE(host().streamHidden(light.target));
  EXPECT_TRUE(host().streamHidden(light.otherTarget));

  host().setStreamHidden(light.otherTarget, false);
  ASSERT_EQ(userChanged(light.type, kParallelLight).err, PF_Err_NONE);
  EXPECT_FALSE(host().streamHidden(light.otherTarget));
  for (const auto& change : host().effectStreams().flagChanges()) {
    EXPECT_EQ(change.index, light.target);
    EXPECT_EQ(change.flag, AEGP_DynStreamFlag_HIDDEN);
    EXPECT_FALSE(change.undoable);
  }
  EXPECT_EQ(updatedIndices(), (Shown{light.target, light.target, light.target}));
  expectEverythingGivenBack();
}

INSTANTIATE_TEST_SUITE_P(Lights, LightVisibility,
                         ::testing::Values(LightCase{"L1", kL1Type, kL1Target, kL2Target},
                                           LightCase{"L2", kL2Type, kL2Target, kL1Target}),
                         [](const auto& light) { return std::string(light.param.what); });

const std::vector<std::string> kSuitesInOrder = {
    "PF Param Utils Suite v3", "AEGP Effect Suite v2", "AEGP PF Interface Suite v1",
    "AEGP Dynamic Stream Suite v2", "AEGP Stream Suite v7"};

std::vector<std::string> framedBySuites() {
  std::vector<std::string> log;
  for (const auto& suite : kSuitesInOrder) log.push_back("Acquire " + suite);
  for (auto it = kSuitesInOrder.rbegin(); it != kSuitesInOrder.rend(); ++it) {
    log.push_back("Release " + *it);
  }
  return log;
}

TEST_F(Visibility, AChangeOfAnyOtherParameterTouchesNoFlagYetTakesAndGivesBackEverything) {
  for (PF_ParamIndex other : {1, kColor, kL1Target, 42}) {
    setHidden({kColor, kMapSize}, true);
    const std::size_t logBefore = host().acquireLog().size();
    const auto before = host().effectStreams().counts();
    ASSERT_EQ(userChangedOther(other).err, PF_Err_NONE) << other;
    const auto log = host().acquireLog();
    EXPECT_EQ(std::vector<std::string>(log.begin() + static_cast<long>(logBefore), log.end()),
              framedBySuites())
        << other;
    const auto after = host().effectStreams().counts();
    EXPECT_EQ(after.effectsTaken, before.effectsTaken + 1);
    EXPECT_EQ(after.effectsDisposed, before.effectsDisposed + 1);
    EXPECT_EQ(after.streamsTaken, before.streamsTaken) << other;
  }
  EXPECT_TRUE(host().effectStreams().flagChanges().empty());
  EXPECT_TRUE(host().paramUIUpdates().updates().empty());
  EXPECT_EQ(shown(), (Shown{kMapLayer, kMapEvolution, kL1Target, kL2Target}));
}

TEST_F(Visibility, AParameterAlreadyAsWantedKeepsItsFlagButIsStillRedrawn) {
  setHidden({kMapLayer, kMapSize, kMapEvolution}, true);
  ASSERT_EQ(userChanged(kMapType, kColorMap).err, PF_Err_NONE);
  EXPECT_TRUE(host().effectStreams().flagChanges().empty());
  EXPECT_EQ(updatedIndices(), (Shown{kColor, kMapLayer, kMapSize, kMapEvolution}));
  expectEverythingGivenBack();
}

TEST_F(Visibility, UpdateParamsUIAppliesEveryRule) {
  setHidden({kColor, kL1Target}, true);
  params.setPopup(kMapType, kColorMap);
  params.setPopup(kL1Type, kParallelLight);
  params.setPopup(kL2Type, kPointLight);
  ASSERT_EQ(host().send(PF_Cmd_UPDATE_PARAMS_UI, params.list()).err, PF_Err_NONE);
  EXPECT_EQ(shown(), (Shown{kColor, kL1Target}));
  EXPECT_EQ(updatedIndices(),
            (Shown{kColor, kMapLayer, kMapSize, kMapEvolution, kL1Target, kL2Target}));
  expectEverythingGivenBack();
}

class RefusedVisibilitySuite : public Visibility,
                               public ::testing::WithParamInterface<std::size_t> {};

TEST_P(RefusedVisibilitySuite, Returns516AndGivesBackTheSuitesTakenBeforeIt) {
  const std::size_t refused = GetParam();
  const std::string name = kSuitesInOrder[refused].substr(0, kSuitesInOrder[refused].rfind(' '));
  host().refuseSuite(name);
  for (PF_Cmd cmd : {PF_Cmd_USER_CHANGED_PARAM, PF_Cmd_UPDATE_PARAMS_UI}) {
    const std::size_t logBefore = host().acquireLog().size();
    PF_UserChangedParamExtra extra{kMapType};
    EXPECT_EQ(host().send(cmd, params.list(), nullptr, &extra).err, PF_Err_BAD_CALLBACK_PARAM);
    std::vector<std::string> expected;
    for (std::size_t i = 0; i <= refused; ++i) expected.push_back("Acquire " + kSuitesInOrder[i]);
    for (std::size_t i = refused; i-- > 0;) expected.push_back("Release " + kSuitesInOrder[i]);
    const auto log = host().acquireLog();
    EXPECT_EQ(std::vector<std::string>(log.begin() + static_cast<long>(logBefore), log.end()),
              expected);
  }
  EXPECT_TRUE(host().effectStreams().flagChanges().empty());
  expectEverythingGivenBack();
}

INSTANTIATE_TEST_SUITE_P(EachSuite, RefusedVisibilitySuite, ::testing::Range<std::size_t>(0, 5),
                         [](const auto& refused) {
                           std::string name = kSuitesInOrder[refused.param];
                           for (char& c : name)
                             c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

// Before Params Setup a host passes the input layer's record alone: nothing to decide by, and
// nothing may be read past the host's list.
TEST_F(Visibility, AListShorterThanTheDeclaredOneChangesNothing) {
  host().inData().num_params = 1;
  PF_ParamDef input{};
  PF_ParamDef* only[] = {&input};
  PF_UserChangedParamExtra changed{kMapType};
  EXPECT_EQ(host().send(PF_Cmd_UPDATE_PARAMS_UI, only).err, PF_Err_NONE);
  EXPECT_EQ(host().send(PF_Cmd_USER_CHANGED_PARAM, only, nullptr, &changed).err, PF_Err_NONE);
  EXPECT_TRUE(host().paramUIUpdates().updates().empty());
  expectEverythingGivenBack();
}

}  // namespace
