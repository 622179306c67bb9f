#include "window/handler_report_watch.h"

#include "app/handler_guard.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <sstream>
#include <string_view>
#include <thread>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace worthmere::testing {
namespace {

// The descriptor calls of the C runtime: POSIX, or their underscored twins on Windows.
#ifdef _WIN32
int Duplicate(int descriptor) { return _dup(descriptor); }
int DuplicateOnto(int from, int onto) { return _dup2(from, onto); }
bool MakePipe(int ends[2]) { return _pipe(ends, 65536, _O_BINARY) == 0; }
int CloseDescriptor(int descriptor) { return _close(descriptor); }
long long ReadSome(int descriptor, char* data, std::size_t size) {
  return _read(descriptor, data, static_cast<unsigned>(size));
}
long long WriteSome(int descriptor, const char* data, std::size_t size) {
  return _write(descriptor, data, static_cast<unsigned>(size));
}
#else
int Duplicate(int descriptor) { return ::dup(descriptor); }
int DuplicateOnto(int from, int onto) { return ::dup2(from, onto); }
bool MakePipe(int ends[2]) { return ::pipe(ends) == 0; }
int CloseDescriptor(int descriptor) { return ::close(descriptor); }
long long ReadSome(int descriptor, char* data, std::size_t size) {
  return ::read(descriptor, data, size);
}
long long WriteSome(int descriptor, const char* data, std::size_t size) {
  return ::write(descriptor, data, size);
}
#endif

constexpr int kStandardError = 2;

// Sent through the pipe to learn that everything written before it has been read; no program
// text holds this control character, and it never reaches the terminal.
constexpr char kSyncMark = '\x1F';

// Shared with the pass-through thread, which may outlive static destruction: never freed.
struct Watch {
  int terminal = -1;  // the standard error the program started with
  int pipe_out = -1;
  std::mutex mutex;
  std::condition_variable marks_seen_changed;
  std::string written;  // what the running test wrote to standard error
  std::atomic<long long> marks_sent = 0;
  std::atomic<long long> marks_seen = 0;  // changed under the lock
};
Watch* watch = nullptr;

void WriteAll(int descriptor, const char* data, std::size_t size) {
  while (size > 0) {
    const long long count = WriteSome(descriptor, data, size);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return;
    data += count;
    size -= static_cast<std::size_t>(count);
  }
}

// Every byte goes on to the terminal as soon as it is read, and is kept for the check.
void PassThrough() {
  char buffer[4096];
  for (;;) {
    const long long count = ReadSome(watch->pipe_out, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return;
    std::string text;
    long long marks = 0;
    for (const char byte : std::string_view(buffer, static_cast<std::size_t>(count))) {
      if (byte == kSyncMark) {
        ++marks;
      } else {
        text += byte;
      }
    }
    WriteAll(watch->terminal, text.data(), text.size());
    const std::lock_guard<std::mutex> lock(watch->mutex);
    watch->written += text;
    watch->marks_seen += marks;
    if (marks > 0) watch->marks_seen_changed.notify_all();
  }
}

// Returns once everything written to standard error so far has been read.
void CatchUp() {
  std::fflush(stderr);
  std::unique_lock<std::mutex> lock(watch->mutex);
  const long long mark = ++watch->marks_sent;
  // Not while holding the lock: a full pipe waits for the thread, which may wait for the lock.
  lock.unlock();
  WriteAll(kStandardError, &kSyncMark, 1);
  lock.lock();
  watch->marks_seen_changed.wait(lock, [mark] { return watch->marks_seen >= mark; });
}

// At exit the terminal gets its descriptor back; a child process that inherited the pipe may still
// write to it, so the pass-through thread stays.
void GiveBackStandardError() {
  CatchUp();
  DuplicateOnto(watch->terminal, kStandardError);
}

// A report just before an abort (a sanitizer's, a failed assertion) still reaches the terminal.
void PassOnThenAbort(int signal) {
  PassOnBeforeExit();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

class ReportCheck final : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    CatchUp();
    const std::lock_guard<std::mutex> lock(watch->mutex);
    watch->written.clear();
  }
  void OnTestEnd(const ::testing::TestInfo&) override {
    for (const std::string& line : TakeHandlerReports()) {
      ADD_FAILURE() << "a handler caught an exception that no test expected: " << line;
    }
  }
};

}  // namespace

void WatchHandlerReports() {
  watch = new Watch;
  int ends[2] = {-1, -1};
  watch->terminal = Duplicate(kStandardError);
  if (watch->terminal < 0 || !MakePipe(ends) || DuplicateOnto(ends[1], kStandardError) < 0) {
    std::fputs("cannot watch standard error for handler reports\n", stderr);
    std::abort();
  }
  CloseDescriptor(ends[1]);
  watch->pipe_out = ends[0];
  std::thread(PassThrough).detach();
  std::atexit(GiveBackStandardError);
  std::signal(SIGABRT, PassOnThenAbort);
  ::testing::UnitTest::GetInstance()->listeners().Append(new ReportCheck);
}

// Without the lock, which a dying thread may hold; the thread's own pace bounded by a second.
void PassOnBeforeExit() {
  if (watch == nullptr) return;
  const long long mark = ++watch->marks_sent;
  WriteAll(kStandardError, &kSyncMark, 1);
  for (int waited = 0; waited < 1000 && watch->marks_seen < mark; ++waited) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  DuplicateOnto(watch->terminal, kStandardError);
}

std::vector<std::string> TakeHandlerReports() {
  CatchUp();
  std::string text;
  {
    const std::lock_guard<std::mutex> lock(watch->mutex);
    text.swap(watch->written);
  }
  std::vector<std::string> reports;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with(std::string_view(kUnexpectedExceptionLead))) reports.push_back(line);
  }
  return reports;
}

}  // namespace worthmere::testing
