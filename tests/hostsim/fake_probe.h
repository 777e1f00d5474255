// What the tests and the fake effect module agree on: the probe command and its extra record.
#pragma once

#include "platform/win32.h"
#include "sdk/ae_effect.h"

namespace ostra::hostsim::test {

// The fake answers this command with its number, so a test sees the call arrive.
inline constexpr PF_Cmd kProbeCmd = PF_Cmd_COMPLETELY_GENERAL;

// What the probe leaves current when it returns. Each first makes the fake's own context
// current (it needs Global Setup for that), as a GPU command would.
enum class ProbeAction { Restore, LeaveOwnCurrent, LeaveNoneCurrent };

struct FakeProbe {
  ProbeAction action = ProbeAction::Restore;
  HGLRC seenContext = nullptr;  // current when the call arrived
  HDC seenDC = nullptr;
  bool overlapped = false;  // another call was inside the module at the same time
};

}  // namespace ostra::hostsim::test
