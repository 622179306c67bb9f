#include "window/handler_reports.h"

#include <gtest/gtest.h>

#include <utility>

#include "app/run_handler.h"

namespace worthmere::testing {
namespace {

// Handlers run on the test's own thread, as does the listener: no lock.
std::vector<std::string> untaken;

void Keep(const char* handler, const char* what) noexcept {
  untaken.push_back(std::string(handler) + ": " + what);
}

class ReportCheck final : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { untaken.clear(); }
  void OnTestEnd(const ::testing::TestInfo&) override {
    for (const std::string& report : TakeHandlerReports()) {
      ADD_FAILURE() << "a handler caught an exception that no test expected: " << report;
    }
  }
};

}  // namespace

void CountHandlerReports() {
  SetHandlerReportHook(Keep);
  ::testing::UnitTest::GetInstance()->listeners().Append(new ReportCheck);
}

std::vector<std::string> TakeHandlerReports() { return std::exchange(untaken, {}); }

}  // namespace worthmere::testing
