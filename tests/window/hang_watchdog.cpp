#include "window/hang_watchdog.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace worthmere::testing {

HangWatchdog::HangWatchdog(std::chrono::seconds limit) {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string name =
      test != nullptr ? std::string(test->test_suite_name()) + "." + test->name() : "a test";
  thread_ = std::thread([this, limit, name] {
    std::unique_lock<std::mutex> lock(mutex_);
    if (finished_.wait_for(lock, limit, [this] { return done_; })) return;
    std::fprintf(stderr, "\n%s still running after %lld s: a handler hangs\n", name.c_str(),
                 static_cast<long long>(limit.count()));
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
  });
}

HangWatchdog::~HangWatchdog() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    done_ = true;
  }
  finished_.notify_one();
  thread_.join();
}

}  // namespace worthmere::testing
