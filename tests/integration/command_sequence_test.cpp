// Random command sequences, drawn from one seed: About, Params Setup, User Changed Param,
// Update Params UI, events (draw, click, cursor) and Render, mixed with Global Setup and
// Setdown, so that every command meets every live state of the module (loaded, set up, set
// down, set up again), sent from several host threads, with the host's own context current or
// none. Each command returns what its state calls for, the host's context comes back, every
// suite, checkout and handle is given back, and each Global Setdown leaves no context, window
// or class of the module's alive.
//
// OSTRA_SEQUENCE_COMMANDS and OSTRA_SEQUENCE_SEED run longer or other sequences.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "hostsim/effect_event.h"
#include "hostsim/host.h"
#include "hostsim/host_thread.h"
#include "hostsim/world.h"
#include "platform/control.h"
#include "tests/integration/random_look.h"

namespace {

using ostra::hostsim::CallResult;
using ostra::hostsim::EffectEvent;
using ostra::hostsim::EventWindow;
using ostra::hostsim::Host;
using ostra::hostsim::World;

int fromEnvironment(const char* name, int fallback) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

// What the module has been through in this load, which decides what a command returns.
struct ModuleState {
  bool setUp = false;    // Global Setup since the last Setdown
  bool setDown = false;  // a Global Setdown after a Setup: the pipeline is gone for this load
  bool paramsDeclared = false;
};

// One load of the module and the commands sent to it.
class Episode {
 public:
  Episode(std::mt19937& random, std::vector<std::unique_ptr<ostra::hostsim::HostThread>>& threads,
          std::map<std::string, int>& tally)
      : random_(random), threads_(threads), tally_(tally), host_(OSTRA_MODULE_PATH) {
    baseline_ = ostra::platform::counts();
  }

  // One random command; false once a failure has been reported.
  bool step() {
    const int pick = std::uniform_int_distribution<int>(0, 99)(random_);
    if (pick < 4) return globalSetup();
    if (pick < 6) return globalSetdown();
    if (pick < 12) return send("About", PF_Cmd_ABOUT, PF_Err_NONE);
    if (pick < 16) return paramsSetup();
    if (pick < 32) return userChangedParam();
    if (pick < 42) return send("Update Params UI", PF_Cmd_UPDATE_PARAMS_UI, PF_Err_NONE);
    if (pick < 64) return event();
    return render();
  }

  // The host's last Setdown, as it unloads the module.
  bool finish() { return globalSetdown(); }

 private:
  template <typename Call>
  bool run(const std::string& what, PF_Err expected, Call call) {
    ++tally_[what];
    host_.setHostContext(chance(0.2) ? ostra::hostsim::HostContext::None
                                     : ostra::hostsim::HostContext::Own);
    CallResult result;
    const auto job = [&] {
      testing::internal::CaptureStdout();  // Setup and new contexts print the OpenGL report
      result = call();
      testing::internal::GetCapturedStdout();
    };
    const auto thread = std::uniform_int_distribution<std::size_t>(0, threads_.size())(random_);
    if (thread == threads_.size()) {
      job();  // the test's own thread, as a host's main thread
    } else {
      threads_[thread]->run(job);
    }
    const auto streams = host_.effectStreams().counts();
    const bool clean = result.err == expected && result.hostContextCurrent &&
                       host_.outstandingSuites() == 0 &&
                       host_.params().outstandingCheckouts() == 0 && host_.liveHandles() == 0 &&
                       streams.liveEffects() == 0 && streams.liveStreams() == 0 &&
                       host_.drawbot().liveObjects() == 0;
    EXPECT_TRUE(clean) << what << " (" << (state_.setUp ? "set up" : "not set up")
                       << (state_.setDown ? ", set down before" : "")
                       << (state_.paramsDeclared ? ", parameters declared" : "") << "): error "
                       << result.err << " (expected " << expected << "), host context "
                       << (result.hostContextCurrent ? "back" : "lost") << ", suites "
                       << host_.outstandingSuites() << ", checkouts "
                       << host_.params().outstandingCheckouts() << ", handles "
                       << host_.liveHandles() << ", Drawbot objects "
                       << host_.drawbot().liveObjects();
    return clean;
  }
  bool send(const std::string& what, PF_Cmd cmd, PF_Err expected) {
    return run(what, expected, [&] {
      ostra::hostsim::ParamArray params = host_.paramArray();
      return host_.send(cmd, params.data());
    });
  }
  bool chance(double share) {
    return std::uniform_real_distribution<double>(0, 1)(random_) < share;
  }

  bool globalSetup() {
    state_.setUp = true;
    return send("Global Setup", PF_Cmd_GLOBAL_SETUP, PF_Err_NONE);
  }
  bool globalSetdown() {
    if (!send("Global Setdown", PF_Cmd_GLOBAL_SETDOWN, PF_Err_NONE)) return false;
    state_.setDown = state_.setDown || state_.setUp;  // with nothing set up, nothing goes
    state_.setUp = false;
    const ostra::platform::Counts now = ostra::platform::counts();
    EXPECT_EQ(now.liveContexts, baseline_.liveContexts) << "after Global Setdown";
    EXPECT_EQ(now.liveWindows, baseline_.liveWindows) << "after Global Setdown";
    EXPECT_EQ(now.liveClasses, baseline_.liveClasses) << "after Global Setdown";
    return now.liveContexts == baseline_.liveContexts && now.liveWindows == baseline_.liveWindows &&
           now.liveClasses == baseline_.liveClasses;
  }
  // A host declares an instance's parameters once; later it only re-sends the other commands.
  bool paramsSetup() {
    if (state_.paramsDeclared) return send("About", PF_Cmd_ABOUT, PF_Err_NONE);
    state_.paramsDeclared = true;
    return send("Params Setup", PF_Cmd_PARAMS_SETUP, PF_Err_NONE);
  }
  // Any index, supervised or not; a declared popup gets a new value first, as a user's change.
  bool userChangedParam() {
    const auto index = std::uniform_int_distribution<PF_ParamIndex>(0, 42)(random_);
    if (state_.paramsDeclared && host_.params().declared(index).param_type == PF_Param_POPUP) {
      ostra::hostsim::ParamValue choice;
      choice.v[0] = std::uniform_int_distribution<int>(0, 6)(random_);
      host_.params().setValue(index, choice);
    }
    return run("User Changed Param", PF_Err_NONE, [&] {
      ostra::hostsim::ParamArray params = host_.paramArray();
      PF_UserChangedParamExtra changed{index};
      return host_.send(PF_Cmd_USER_CHANGED_PARAM, params.data(), nullptr, &changed);
    });
  }
  bool event() {
    const EventWindow windows[] = {EventWindow::EffectControls, EventWindow::EffectControls,
                                   EventWindow::Composition, EventWindow::Layer};
    const ostra::hostsim::EventPlace place{
        windows[std::uniform_int_distribution<int>(0, 3)(random_)],
        1,
        {0, 0, 200, 50},
        chance(0.8) ? PF_EA_CONTROL : PF_EA_TITLE};
    const PF_Point at{std::uniform_int_distribution<A_long>(-10, 210)(random_),
                      std::uniform_int_distribution<A_long>(-10, 60)(random_)};
    const int kind = std::uniform_int_distribution<int>(0, 2)(random_);
    EffectEvent sent = kind == 0   ? EffectEvent::draw(place, 200, 50)
                       : kind == 1 ? EffectEvent::click(place, at)
                                   : EffectEvent::adjustCursor(place, at);
    const char* names[] = {"Event: draw", "Event: click", "Event: cursor"};
    return run(names[kind], PF_Err_NONE, [&] {
      ostra::hostsim::ParamArray params = host_.paramArray();
      return ostra::hostsim::sendEvent(host_, sent, params.data());
    });
  }
  // Small frames: the pipeline only exists between the first Global Setup and the first
  // Setdown of a load.
  bool render() {
    const int width = std::uniform_int_distribution<int>(1, 32)(random_);
    const int height = std::uniform_int_distribution<int>(1, 32)(random_);
    World input(width, height);
    for (A_long y = 0; y < height; ++y) {
      for (A_long x = 0; x < width; ++x) {
        const bool inside =
            (x - width / 2) * (x - width / 2) + (y - height / 2) * (y - height / 2) <
            width * height / 5;
        input.at(x, y) = {static_cast<A_u_char>(inside ? 255 : 0), 200, 120, 40};
      }
    }
    if (state_.paramsDeclared) {
      ostra::test::applyRandomLook(
          host_.params(), random_,
          {double(width), double(height), chance(0.3) ? &mapLayer_.def() : nullptr, 0.1});
    }
    World output(width, height, width * 4 + 8);
    const bool renders = state_.setUp && !state_.setDown;
    const char* what = renders ? "Render" : "Render (refused)";
    const bool ok = run(what, renders ? PF_Err_NONE : PF_Err_BAD_CALLBACK_PARAM, [&] {
      host_.params().setInputLayer(&input.def());
      ostra::hostsim::ParamArray params = host_.paramArray();
      const CallResult result = host_.send(PF_Cmd_RENDER, params.data(), &output.def());
      host_.params().setInputLayer(nullptr);
      return result;
    });
    EXPECT_TRUE(output.paddingIntact()) << "Render wrote past the output's rows";
    return ok && output.paddingIntact();
  }

  std::mt19937& random_;
  std::vector<std::unique_ptr<ostra::hostsim::HostThread>>& threads_;
  std::map<std::string, int>& tally_;
  // The Map Layer stays set in the host's records after a Render, for the commands after it.
  World mapLayer_ = [] {
    World layer(8, 8);
    layer.fill({255, 10, 200, 90});
    return layer;
  }();
  Host host_;
  ModuleState state_;
  ostra::platform::Counts baseline_;
};

TEST(CommandSequenceTest, RandomCommandsInEveryStateOnSeveralThreadsReturnCleanly) {
  const int commands = fromEnvironment("OSTRA_SEQUENCE_COMMANDS", 3000);
  const auto seed = static_cast<unsigned>(fromEnvironment("OSTRA_SEQUENCE_SEED", 7331));
  std::mt19937 random(seed);
  ostra::platform::reset();
  std::vector<std::unique_ptr<ostra::hostsim::HostThread>> threads;
  for (int i = 0; i < 3; ++i) threads.push_back(std::make_unique<ostra::hostsim::HostThread>());

  std::map<std::string, int> tally;
  int sent = 0;
  int loads = 0;
  bool clean = true;
  while (clean && sent < commands) {
    Episode episode(random, threads, tally);
    ++loads;
    const int length = std::uniform_int_distribution<int>(20, 250)(random);
    for (int i = 0; clean && i < length && sent < commands; ++i, ++sent) clean = episode.step();
    clean = episode.finish() && clean;  // the host unloads the module whatever happened
    ++sent;
  }
  threads.clear();
  const ostra::platform::Counts after = ostra::platform::counts();
  EXPECT_EQ(after.liveContexts, 0);
  EXPECT_EQ(after.liveWindows, 0);
  EXPECT_EQ(after.liveClasses, 0);

  std::cout << "[ sequence ] seed " << seed << ", " << sent << " commands over " << loads
            << " loads of the module:";
  for (const auto& [what, count] : tally) std::cout << " " << what << " " << count << ";";
  std::cout << "\n";
}

}  // namespace
#endif  // !defined(_WIN32)
