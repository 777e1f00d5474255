// "PF Handle Suite" v2: memory the host allocates for an effect, reached through a handle (a
// pointer to a pointer to the bytes), with a live count a test reads to find leaks.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <mutex>

#include "sdk/ae_suites.h"

namespace ostra::hostsim {

// Safe to use from any thread: the module may allocate on any render thread.
class HandleHeap {
 public:
  HandleHeap() = default;
  // Handles the module never disposed of are freed here, with the host.
  ~HandleHeap();
  HandleHeap(const HandleHeap&) = delete;
  HandleHeap& operator=(const HandleHeap&) = delete;

  // A handle owning `size` zeroed bytes (zero allowed); null when the memory cannot be had or a
  // failure was asked for.
  PF_Handle allocate(A_u_longlong size);
  // The handle's bytes; null for a handle this heap does not hold.
  void* lock(PF_Handle handle);
  void unlock(PF_Handle handle);
  void dispose(PF_Handle handle);
  // 0 for a handle this heap does not hold.
  A_u_longlong size(PF_Handle handle) const;

  // The next allocate returns null; those after it succeed again.
  void failNextAllocation();
  // Handles allocated and not yet disposed of.
  int live() const;
  // Calls given a handle this heap does not hold: null, never allocated, or already disposed of.
  int strayCalls() const;

 private:
  // The handle is the address of `bytes`, so it stays put while the map rebalances.
  struct Block {
    Block() = default;
    ~Block();
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;

    void* bytes = nullptr;  // from the C heap: freed in ~Block
    A_u_longlong size = 0;
  };

  // Looks `handle` up with the mutex held; counts a stray call when it is not held.
  Block* find(PF_Handle handle) const;

  mutable std::mutex mutex_;
  std::map<PF_Handle, std::unique_ptr<Block>> blocks_;
  bool failNext_ = false;
  mutable int strayCalls_ = 0;
};

// The suite table; each function goes to the current Host's heap, and fails (null, 0, or
// nothing done) once no Host lives.
const PF_HandleSuite2& handleSuite();

}  // namespace ostra::hostsim
