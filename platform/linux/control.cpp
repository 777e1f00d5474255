// The test control surface over the registry.
#include <algorithm>

#include "platform/linux/registry.h"

namespace ostra::platform {

using detail::Registry;
using detail::registry;

void failCall(Call call, int skip) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  r.injections[call] = {true, std::max(skip, 0)};
}

void dropCreateContextExtension(bool dropped) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  r.createContextDropped = dropped;
}

Counts counts() {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  return {static_cast<int>(r.contexts.size()),
          static_cast<int>(r.windows.size()),
          static_cast<int>(r.classes.size()),
          r.contextsCreated,
          r.contextsDeleted,
          r.makeCurrentCalls};
}

std::vector<std::string> liveClassNames() {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  std::vector<std::string> names;
  for (const auto& windowClass : r.classes) names.push_back(windowClass.name);
  return names;
}

std::vector<ShellCall> shellCalls() {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  return r.shellCalls;
}

void reset() {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  r.injections.clear();
  r.createContextDropped = false;
  r.shellCalls.clear();
}

}  // namespace ostra::platform
