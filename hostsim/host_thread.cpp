#include "hostsim/host_thread.h"

#include <utility>

namespace ostra::hostsim {

HostThread::HostThread() : worker_([this] { loop(); }) {}

HostThread::~HostThread() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  worker_.join();
}

void HostThread::run(std::function<void()> job) {
  if (std::this_thread::get_id() == worker_.get_id()) {
    job();
    return;
  }
  std::lock_guard caller(callerMutex_);
  std::unique_lock lock(mutex_);
  job_ = std::move(job);
  failure_ = nullptr;
  pending_ = true;
  wake_.notify_all();
  wake_.wait(lock, [this] { return !pending_; });
  if (std::exception_ptr failure = std::exchange(failure_, nullptr)) {
    std::rethrow_exception(failure);
  }
}

void HostThread::loop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return pending_ || stopping_; });
    if (pending_) {
      std::function<void()> job = std::move(job_);
      job_ = nullptr;
      lock.unlock();
      std::exception_ptr failure;
      try {
        job();
      } catch (...) {
        failure = std::current_exception();
      }
      lock.lock();
      failure_ = failure;
      pending_ = false;
      wake_.notify_all();
    } else if (stopping_) {
      return;
    }
  }
}

}  // namespace ostra::hostsim
