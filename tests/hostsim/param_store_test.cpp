// The host's parameter store: what it refuses at declaration, and the values checkout hands out
// at a given time.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "hostsim/param_store.h"
#include "hostsim/world.h"

namespace {

using ostra::hostsim::ParamStore;
using ostra::hostsim::ParamValue;
using ostra::hostsim::World;

PF_ParamDef record(PF_ParamType type, const char* name) {
  PF_ParamDef def;
  std::memset(&def, 0, sizeof def);
  def.param_type = type;
  std::strncpy(def.name, name, sizeof def.name - 1);
  return def;
}

PF_ParamDef popup(const char* names, A_short count, A_short dephault = 1) {
  PF_ParamDef def = record(PF_Param_POPUP, "Pick");
  def.u.pd.num_choices = count;
  def.u.pd.dephault = dephault;
  def.u.pd.value = dephault;
  def.u.pd.u.namesptr = names;
  return def;
}

ParamValue value(double a, double b = 0, double c = 0, double d = 0) {
  ParamValue v;
  v.v = {a, b, c, d};
  return v;
}

struct Refusal {
  const char* what;
  PF_ParamDef def;
  PF_ParamIndex index;
};

TEST(ParamStoreTest, RefusesWhatAHostWouldAndKeepsNothing) {
  PF_ParamDef longName = record(PF_Param_SLIDER, "");
  std::memset(longName.name, 'x', sizeof longName.name);  // no terminator
  const Refusal cases[] = {
      {"unknown type", record(static_cast<PF_ParamType>(8), "Odd"), -1},
      {"name without terminator", longName, -1},
      {"index past the end", record(PF_Param_SLIDER, "Far"), 7},
      {"group end with no group", record(PF_Param_GROUP_END, ""), -1},
      {"choices and count disagree", popup("A|B|C", 2), -1},
      {"default past the last choice", popup("A|B", 2, 3), -1},
      {"popup without names", popup(nullptr, 1), -1},
  };
  for (const Refusal& c : cases) {
    ParamStore store;
    EXPECT_NE(store.add(c.index, c.def), PF_Err_NONE) << c.what;
    EXPECT_EQ(store.size(), 1) << c.what;
  }
}

TEST(ParamStoreTest, TheNthAddFailsWithTheGivenCode) {
  ParamStore store;
  store.failAddParam(2, 77);
  EXPECT_EQ(store.add(-1, record(PF_Param_SLIDER, "One")), PF_Err_NONE);
  EXPECT_EQ(store.add(-1, record(PF_Param_SLIDER, "Two")), 77);
  EXPECT_EQ(store.add(-1, record(PF_Param_SLIDER, "Three")), PF_Err_NONE);
  EXPECT_EQ(store.size(), 3);
  EXPECT_EQ(store.indexOf("three"), 2);
  EXPECT_EQ(store.indexOf("Two"), -1);
}

TEST(ParamStoreTest, KeyframesInterpolateNumbersAndColoursAndHoldChoices) {
  ParamStore store;
  ASSERT_EQ(store.add(-1, record(PF_Param_FLOAT_SLIDER, "Size")), PF_Err_NONE);
  ASSERT_EQ(store.add(-1, popup("A|B|C", 3)), PF_Err_NONE);
  ASSERT_EQ(store.add(-1, record(PF_Param_COLOR, "Tint")), PF_Err_NONE);
  ASSERT_EQ(store.add(-1, record(PF_Param_ANGLE, "Turn")), PF_Err_NONE);
  store.addKeyframe(1, 0.0, value(0));
  store.addKeyframe(1, 2.0, value(100));
  store.addKeyframe(2, 0.0, value(1));
  store.addKeyframe(2, 1.0, value(3));
  store.addKeyframe(3, 0.0, value(0, 0, 0, 255));
  store.addKeyframe(3, 1.0, value(255, 100, 50, 255));
  store.addKeyframe(4, 0.0, value(0));
  store.addKeyframe(4, 1.0, value(90));

  EXPECT_DOUBLE_EQ(store.recordAt(1, -1.0).u.fs_d.value, 0);  // before the first key
  EXPECT_DOUBLE_EQ(store.recordAt(1, 0.5).u.fs_d.value, 25);
  EXPECT_DOUBLE_EQ(store.recordAt(1, 9.0).u.fs_d.value, 100);  // after the last
  EXPECT_EQ(store.recordAt(2, 0.99).u.pd.value, 1);
  EXPECT_EQ(store.recordAt(2, 1.0).u.pd.value, 3);
  const PF_Pixel mid = store.recordAt(3, 0.5).u.cd.value;
  EXPECT_EQ(mid.alpha, 255);
  EXPECT_EQ(mid.red, 128);
  EXPECT_EQ(mid.green, 50);
  EXPECT_EQ(mid.blue, 25);
  EXPECT_EQ(store.recordAt(4, 0.5).u.ad.value, 45 * 65536);

  // A static value replaces the keyframes.
  store.setValue(1, value(7));
  EXPECT_DOUBLE_EQ(store.recordAt(1, 0.5).u.fs_d.value, 7);
}

TEST(ParamStoreTest, PointsAreLayerPixelsAndDefaultToTheirShareOfTheInput) {
  ParamStore store;
  PF_ParamDef point = record(PF_Param_POINT, "Spot");
  point.u.td.x_dephault = 10 * 65536;
  point.u.td.y_dephault = 50 * 65536;
  ASSERT_EQ(store.add(-1, point), PF_Err_NONE);
  World input(800, 600);
  store.setInputLayer(&input.def());

  PF_ParamDef out = store.recordAt(1, 0);
  EXPECT_EQ(out.u.td.x_value, 80 * 65536);
  EXPECT_EQ(out.u.td.y_value, 300 * 65536);

  store.setValue(1, value(12.5, -3));
  out = store.recordAt(1, 0);
  EXPECT_EQ(out.u.td.x_value, 12 * 65536 + 32768);
  EXPECT_EQ(out.u.td.y_value, -3 * 65536);

  // Far outside what 16.16 holds: clamped, not wrapped.
  store.setValue(1, value(1e6, -1e6));
  out = store.recordAt(1, 0);
  EXPECT_EQ(out.u.td.x_value, 0x7fffffff);
  EXPECT_EQ(out.u.td.y_value, static_cast<PF_Fixed>(0x80000000u));
}

TEST(ParamStoreTest, CheckoutHandsOutTheValueAtTheAskedTimeUntilMadeToFail) {
  ParamStore store;
  ASSERT_EQ(store.add(-1, record(PF_Param_SLIDER, "Count")), PF_Err_NONE);
  ASSERT_EQ(store.add(-1, record(PF_Param_LAYER, "Other")), PF_Err_NONE);
  store.addKeyframe(1, 0.0, value(0));
  store.addKeyframe(1, 1.0, value(30));
  World input(4, 4);
  World other(2, 3);
  store.setInputLayer(&input.def());
  store.setValue(2, [&] {
    ParamValue v;
    v.layer = &other.def();
    return v;
  }());

  PF_ParamDef out{};
  ASSERT_EQ(store.checkout(1, 15, 1, 30, &out), PF_Err_NONE);  // frame 15 at 30 per second
  EXPECT_EQ(out.u.sd.value, 15);
  ASSERT_EQ(store.checkout(0, 0, 1, 30, &out), PF_Err_NONE);
  EXPECT_EQ(out.u.ld.data, input.def().data);
  ASSERT_EQ(store.checkout(2, 0, 1, 30, &out), PF_Err_NONE);
  EXPECT_EQ(out.u.ld.width, 2);
  EXPECT_EQ(out.u.ld.data, other.def().data);
  EXPECT_EQ(store.outstandingCheckouts(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(store.checkin(&out), PF_Err_NONE);
  EXPECT_EQ(store.outstandingCheckouts(), 0);
  EXPECT_NE(store.checkin(&out), PF_Err_NONE) << "a checkin with nothing out";

  store.setValue(2, ParamValue{});  // no layer
  ASSERT_EQ(store.checkout(2, 0, 1, 30, &out), PF_Err_NONE);
  EXPECT_EQ(out.u.ld.data, nullptr);
  store.checkin(&out);

  store.failCheckout(1, 99);
  EXPECT_EQ(store.checkout(1, 0, 1, 30, &out), 99);
  EXPECT_EQ(store.checkout(2, 0, 1, 30, &out), PF_Err_NONE);
  store.checkin(&out);
  EXPECT_EQ(store.checkout(3, 0, 1, 30, &out), PF_Err_INVALID_INDEX);
  store.clearCheckoutFailures();
  EXPECT_EQ(store.checkout(1, 0, 1, 30, &out), PF_Err_NONE);
  store.checkin(&out);
  EXPECT_EQ(store.outstandingCheckouts(), 0);
}

}  // namespace
