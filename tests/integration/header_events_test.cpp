// The header's events: only the Effect Controls window counts; a click opens the maker's page,
// the cursor becomes a pointing hand, and a draw is marked handled and gives back every
// suite and object, whichever Drawbot call fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/integration/header_fixture.h"

using namespace ostra::test;
using ostra::hostsim::EffectEvent;
using ostra::hostsim::EventWindow;

namespace {

TEST_F(HeaderTest, ATitleRowDrawDrawsNothingAndLeavesTheFlagsAlone) {
  for (A_long area : {PF_EA_NONE, PF_EA_TITLE}) {
    EffectEvent draw = drawEvent(place(EventWindow::EffectControls, area));
    EXPECT_EQ(send(draw).err, PF_Err_NONE);
    EXPECT_EQ(draw.extra().evt_out_flags, kUntouchedFlags);
    EXPECT_TRUE(blank(*draw.canvas()));
  }
  EXPECT_TRUE(host().drawbot().calls().empty());
  EXPECT_TRUE(host().acquireLog().empty());
}

TEST_F(HeaderTest, EventsFromTheCompositionAndLayerWindowsDoNothing) {
  for (EventWindow window : {EventWindow::Composition, EventWindow::Layer}) {
    EffectEvent events[] = {drawEvent(place(window)), EffectEvent::click(place(window), {20, 20}),
                            EffectEvent::adjustCursor(place(window), {20, 20})};
    for (EffectEvent& event : events) {
      event.extra().evt_out_flags = kUntouchedFlags;
      const PF_EventExtra before = event.extra();
      EXPECT_EQ(send(event).err, PF_Err_NONE);
      EXPECT_EQ(event.extra().evt_out_flags, kUntouchedFlags);
      EXPECT_EQ(event.extra().u.adjust_cursor.set_cursor, before.u.adjust_cursor.set_cursor);
      if (event.canvas() != nullptr) {
        EXPECT_TRUE(blank(*event.canvas()));
      }
    }
  }
#if !defined(_WIN32)
  EXPECT_TRUE(ostra::platform::shellCalls().empty());
#endif
  EXPECT_TRUE(host().drawbot().calls().empty());
  EXPECT_TRUE(host().acquireLog().empty());
}

TEST_F(HeaderTest, EachClickOpensTheWebAddressOnceWhereverItFalls) {
#if defined(_WIN32)
  GTEST_SKIP() << "on Windows a click opens the page through the system's shell, which under "
                  "Wine starts its browser; the Linux platform records the call instead";
#else
  const PF_Point points[] = {{12, 20}, {200, 50}, {12, 20}};
  for (std::size_t i = 0; i < std::size(points); ++i) {
    EffectEvent click = EffectEvent::click(place(), points[i]);
    click.extra().evt_out_flags = kUntouchedFlags;
    EXPECT_EQ(send(click).err, PF_Err_NONE);
    EXPECT_EQ(click.extra().evt_out_flags, kUntouchedFlags);
    ASSERT_EQ(ostra::platform::shellCalls().size(), i + 1);
  }
  for (const auto& call : ostra::platform::shellCalls()) {
    EXPECT_EQ(call.operation, "") << "the default action";
    EXPECT_EQ(call.file, kWebAddress);
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.directory, "");
    EXPECT_EQ(call.showCommand, 5);
  }
  EXPECT_TRUE(host().acquireLog().empty());
#endif
}

TEST_F(HeaderTest, OverTheHeaderTheCursorIsThePointingHand) {
  EffectEvent cursor = EffectEvent::adjustCursor(place(), {100, 30});
  EXPECT_EQ(send(cursor).err, PF_Err_NONE);
  EXPECT_EQ(cursor.extra().u.adjust_cursor.set_cursor, 23);
}

// Every call of a draw in turn is made to fail. Failed object creations raise, so the draw ends
// with an error and unmarked; any other failure only skips what it concerns, and the draw is
// marked handled. The host hears the logo's supplier failure, nothing else. Every object and
// suite comes back, except an object whose release failed.
TEST_F(HeaderTest, ADrawIsMarkedHandledAndGivesEverythingBackWhicheverDrawbotCallFails) {
  ostra::hostsim::DrawbotHost& drawbot = host().drawbot();
  EffectEvent good = drawEvent();
  ASSERT_EQ(send(good).err, PF_Err_NONE);
  EXPECT_EQ(good.extra().evt_out_flags, PF_EO_HANDLED_EVENT);
  EXPECT_EQ(drawbot.liveObjects(), 0);
  const std::vector<std::string> calls = drawbot.calls();
  const auto secondPath =
      std::find(std::find(calls.begin(), calls.end(), "NewPath") + 1, calls.end(), "NewPath");
  ASSERT_NE(secondPath, calls.end());
  const std::size_t logoSupplier = static_cast<std::size_t>(secondPath - calls.begin()) - 1;
  ASSERT_EQ(calls[logoSupplier], "GetSupplier");

  for (std::size_t n = 1; n <= calls.size(); ++n) {
    const std::string& failing = calls[n - 1];
    SCOPED_TRACE("call " + std::to_string(n) + ", " + failing);
    const int liveBefore = drawbot.liveObjects();
    EffectEvent draw = drawEvent();
    draw.extra().evt_out_flags = PF_EO_NONE;
    drawbot.failNthCall(static_cast<int>(n));
    const PF_Err err = send(draw).err;

    const bool raised = failing.starts_with("New");
    const PF_Err expected = raised                  ? PF_Err_INTERNAL_STRUCT_DAMAGED
                            : n - 1 == logoSupplier ? ostra::hostsim::kDrawbotInjectedFailure
                                                    : PF_Err_NONE;
    EXPECT_EQ(err, expected);
    EXPECT_EQ(draw.extra().evt_out_flags, raised ? PF_EO_NONE : PF_EO_HANDLED_EVENT);
    EXPECT_EQ(drawbot.liveObjects() - liveBefore, failing == "ReleaseObject" ? 1 : 0);
    EXPECT_EQ(host().outstandingSuites(), 0);
  }
}

TEST_F(HeaderTest, AMissingDrawbotSuiteIsReportedAndNothingIsDrawn) {
  const std::pair<const char*, int> suites[] = {{"DRAWBOT Draw Suite", 1},
                                                {"DRAWBOT Supplier Suite", 1},
                                                {"DRAWBOT Surface Suite", 2},
                                                {"DRAWBOT Path Suite", 1}};
  for (const auto& [name, version] : suites) {
    host().refuseSuite(name);
    host().outData() = {};
    EffectEvent draw = drawEvent();
    EXPECT_EQ(send(draw).err, PF_Err_BAD_CALLBACK_PARAM) << name;
    EXPECT_EQ(
        std::string(host().outData().return_msg),
        "Not able to acquire AEFX Suite-" + std::string(name) + "-" + std::to_string(version));
    EXPECT_EQ(host().outData().out_flags, PF_OutFlag_DISPLAY_ERROR_MESSAGE);
    EXPECT_EQ(draw.extra().evt_out_flags, kUntouchedFlags);
    EXPECT_TRUE(blank(*draw.canvas()));
    EXPECT_EQ(host().outstandingSuites(), 0);
    host().refuseSuite(name, false);
  }
  EXPECT_TRUE(host().drawbot().calls().empty());
}

TEST_F(HeaderTest, WithoutTheCustomUIOrAppSuiteADrawFailsWith516AndGivesEverythingBack) {
  for (const char* suite : {"PF Effect Custom UI Suite", "PF AE App Suite"}) {
    host().refuseSuite(suite);
    EffectEvent draw = drawEvent();
    EXPECT_EQ(send(draw).err, PF_Err_BAD_CALLBACK_PARAM) << suite;
    EXPECT_EQ(draw.extra().evt_out_flags, kUntouchedFlags);
    EXPECT_TRUE(blank(*draw.canvas()));
    EXPECT_EQ(host().outstandingSuites(), 0);
    host().refuseSuite(suite, false);
  }
  EXPECT_TRUE(host().drawbot().calls().empty());
}

TEST_F(HeaderTest, WithoutADrawingReferenceNothingIsDrawnAndTheHostHearsItsError) {
  host().eventContexts().failNextDrawingReference(99);
  EffectEvent draw = drawEvent();
  EXPECT_EQ(send(draw).err, 99);
  EXPECT_EQ(draw.extra().evt_out_flags, PF_EO_HANDLED_EVENT);
  EXPECT_TRUE(blank(*draw.canvas()));
  EXPECT_TRUE(host().drawbot().calls().empty());
  EXPECT_EQ(host().outstandingSuites(), 0);
}

}  // namespace
