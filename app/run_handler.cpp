#include "app/run_handler.h"

#include <cstdio>

namespace worthmere {

namespace {

HandlerReportHook report_hook = nullptr;

}  // namespace

void SetHandlerReportHook(HandlerReportHook hook) { report_hook = hook; }

void ReportUnexpectedException(const std::source_location& where, const char* what) noexcept {
  std::fprintf(stderr, "unexpected exception in %s: %s\n", where.function_name(), what);
  if (report_hook != nullptr) report_hook(where.function_name(), what);
}

}  // namespace worthmere
