// The process-wide contexts: the shared one and the table of per-thread ones.
#include <atomic>
#include <map>
#include <memory>
#include <mutex>

#include "plugin/gpu/gl_context.h"

namespace Kestrix::Bevel {
namespace {

AEOpenGLContext* shared = nullptr;
std::map<int32_t, AEOpenGLContext*> threadContexts;
std::recursive_mutex tableLock;
std::atomic<int32_t> slotCounter{0};
thread_local int32_t threadSlot = -1;

}  // namespace

void createSharedContext() {
  // A second Global Setup keeps the context it has rather than losing it.
  if (shared) return;
  shared = new AEOpenGLContext(nullptr);
}

AEOpenGLContext* sharedContext() { return shared; }

int32_t currentThreadSlot() { return threadSlot; }

AEOpenGLContext* threadContext() {
  std::lock_guard<std::recursive_mutex> lock(tableLock);
  if (threadSlot == -1) threadSlot = slotCounter.fetch_add(1);
  auto found = threadContexts.find(threadSlot);
  if (found != threadContexts.end()) return found->second;
  // A thread whose first context failed keeps its slot and tries again on its next Render.
  auto context = std::make_unique<AEOpenGLContext>(shared);
  threadContexts.emplace(threadSlot, context.get());
  return context.release();
}

void destroyAllContexts() {
  for (auto& [slot, context] : threadContexts) delete context;
  threadContexts.clear();
  delete shared;
  shared = nullptr;
}

}  // namespace Kestrix::Bevel
