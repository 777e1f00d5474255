// A persistent worker thread, standing in for one of the host's threads: a test can send
// several commands from the same thread, or spread them over several such threads.
#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace ostra::hostsim {

class HostThread {
 public:
  HostThread();
  // Joins the worker; a job still running is finished first.
  ~HostThread();
  HostThread(const HostThread&) = delete;
  HostThread& operator=(const HostThread&) = delete;

  // Runs `job` on the worker and waits for it; an exception from the job is rethrown here.
  // Callers on several threads take turns. Called from within a job, it runs the job inline.
  void run(std::function<void()> job);
  std::thread::id id() const { return worker_.get_id(); }

 private:
  void loop();

  std::mutex callerMutex_;  // one caller's job at a time
  std::mutex mutex_;
  std::condition_variable wake_;
  std::function<void()> job_;
  std::exception_ptr failure_;
  bool pending_ = false;
  bool stopping_ = false;
  std::thread worker_;  // last: starts once the fields above exist
};

}  // namespace ostra::hostsim
