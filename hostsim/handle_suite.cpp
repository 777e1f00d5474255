#include "hostsim/handle_suite.h"

#include <cstdlib>
#include <limits>

#include "hostsim/current_host.h"
#include "hostsim/host.h"

namespace ostra::hostsim {

HandleHeap::Block::~Block() { std::free(bytes); }

HandleHeap::~HandleHeap() = default;

PF_Handle HandleHeap::allocate(A_u_longlong size) {
  std::lock_guard lock(mutex_);
  if (failNext_) {
    failNext_ = false;
    return nullptr;
  }
  if (size > static_cast<A_u_longlong>(std::numeric_limits<std::ptrdiff_t>::max())) return nullptr;
  // At least one byte, so that even an empty handle locks to a pointer of its own.
  auto block = std::make_unique<Block>();
  block->bytes = std::calloc(size > 0 ? static_cast<std::size_t>(size) : 1, 1);
  if (block->bytes == nullptr) return nullptr;
  block->size = size;
  PF_Handle handle = &block->bytes;
  blocks_.emplace(handle, std::move(block));
  return handle;
}

void* HandleHeap::lock(PF_Handle handle) {
  std::lock_guard lock(mutex_);
  Block* block = find(handle);
  return block != nullptr ? block->bytes : nullptr;
}

void HandleHeap::unlock(PF_Handle handle) {
  std::lock_guard lock(mutex_);
  find(handle);
}

void HandleHeap::dispose(PF_Handle handle) {
  std::lock_guard lock(mutex_);
  if (find(handle) != nullptr) blocks_.erase(handle);
}

A_u_longlong HandleHeap::size(PF_Handle handle) const {
  std::lock_guard lock(mutex_);
  const Block* block = find(handle);
  return block != nullptr ? block->size : 0;
}

void HandleHeap::failNextAllocation() {
  std::lock_guard lock(mutex_);
  failNext_ = true;
}

int HandleHeap::live() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(blocks_.size());
}

int HandleHeap::strayCalls() const {
  std::lock_guard lock(mutex_);
  return strayCalls_;
}

HandleHeap::Block* HandleHeap::find(PF_Handle handle) const {
  const auto found = blocks_.find(handle);
  if (found == blocks_.end()) {
    ++strayCalls_;
    return nullptr;
  }
  return found->second.get();
}

namespace {

// Runs `use` on the current Host's heap; does nothing when there is no Host.
template <class Use>
void withHeap(Use&& use) {
  detail::withCurrentHost(0, [&](Host& host) {
    use(host.handleHeap());
    return 0;
  });
}

PF_Handle newHandle(A_u_longlong size) {
  PF_Handle handle = nullptr;
  withHeap([&](HandleHeap& heap) { handle = heap.allocate(size); });
  return handle;
}

void* lockHandle(PF_Handle handle) {
  void* bytes = nullptr;
  withHeap([&](HandleHeap& heap) { bytes = heap.lock(handle); });
  return bytes;
}

void unlockHandle(PF_Handle handle) {
  withHeap([&](HandleHeap& heap) { heap.unlock(handle); });
}

void disposeHandle(PF_Handle handle) {
  withHeap([&](HandleHeap& heap) { heap.dispose(handle); });
}

A_u_longlong handleSize(PF_Handle handle) {
  A_u_longlong size = 0;
  withHeap([&](HandleHeap& heap) { size = heap.size(handle); });
  return size;
}

constexpr PF_HandleSuite2 kHandleSuite{newHandle, lockHandle, unlockHandle, disposeHandle,
                                       handleSize};

}  // namespace

const PF_HandleSuite2& handleSuite() { return kHandleSuite; }

}  // namespace ostra::hostsim
