#include "window/handler_report_watch.h"

#include "app/handler_guard.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <sstream>
#include <string_view>

namespace worthmere::testing {
namespace {

std::mutex written_mutex;
std::string written;  // what the running test wrote to stderr

ssize_t WriteThrough(void*, const char* data, std::size_t size) {
  {
    const std::lock_guard<std::mutex> lock(written_mutex);
    written.append(data, size);
  }
  std::size_t done = 0;
  while (done < size) {
    const ssize_t count = ::write(STDERR_FILENO, data + done, size - done);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return done > 0 ? static_cast<ssize_t>(done) : -1;
    done += static_cast<std::size_t>(count);
  }
  return static_cast<ssize_t>(size);
}

class ReportCheck final : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    const std::lock_guard<std::mutex> lock(written_mutex);
    written.clear();
  }
  void OnTestEnd(const ::testing::TestInfo&) override {
    for (const std::string& line : TakeHandlerReports()) {
      ADD_FAILURE() << "a handler caught an exception that no test expected: " << line;
    }
  }
};

}  // namespace

void WatchHandlerReports() {
  // Unbuffered, so nothing written before a crash is held back.
  FILE* watched = fopencookie(nullptr, "w", {nullptr, WriteThrough, nullptr, nullptr});
  if (watched == nullptr || std::setvbuf(watched, nullptr, _IONBF, 0) != 0) {
    std::fputs("cannot watch standard error for handler reports\n", stderr);
    std::abort();
  }
  stderr = watched;
  ::testing::UnitTest::GetInstance()->listeners().Append(new ReportCheck);
}

std::vector<std::string> TakeHandlerReports() {
  std::string text;
  {
    const std::lock_guard<std::mutex> lock(written_mutex);
    text.swap(written);
  }
  std::vector<std::string> reports;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with(std::string_view(kUnexpectedExceptionLead))) reports.push_back(line);
  }
  return reports;
}

}  // namespace worthmere::testing
