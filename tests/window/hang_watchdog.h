#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace worthmere::testing {

// A handler that never returns blocks the event loop, so no timer could notice it. This thread
// does: if the test still runs at the deadline it names the test and ends the process, so a hang
// fails the run instead of stalling it.
class HangWatchdog {
 public:
  explicit HangWatchdog(std::chrono::seconds limit);
  ~HangWatchdog();
  HangWatchdog(const HangWatchdog&) = delete;
  HangWatchdog& operator=(const HangWatchdog&) = delete;

 private:
  std::mutex mutex_;
  std::condition_variable finished_;
  bool done_ = false;
  std::thread thread_;
};

}  // namespace worthmere::testing
