// The Linux platform's counts, for tests that run on both builds. Against the system's WGL on
// Windows nothing counts the contexts: there liveContexts() is empty and resetPlatform() does
// nothing, and the tests check what shows otherwise, such as the report a new context prints.
#pragma once

#include <optional>

#if !defined(_WIN32)
#include "platform/control.h"
#endif

namespace ostra::test {

inline std::optional<int> liveContexts() {
#if defined(_WIN32)
  return std::nullopt;
#else
  return platform::counts().liveContexts;
#endif
}

// Forgets every injected failure.
inline void resetPlatform() {
#if !defined(_WIN32)
  platform::reset();
#endif
}

}  // namespace ostra::test
