#pragma once

#include <exception>
#include <new>
#include <source_location>
#include <utility>

namespace worthmere {

// Writes one line to standard error: the handler, where `where` was taken, and what was thrown;
// and hands the same two to the report hook, if one is set.
void ReportUnexpectedException(const std::source_location& where, const char* what) noexcept;

// The tests set a hook to count the reports; the program sets none.
using HandlerReportHook = void (*)(const char* handler, const char* what) noexcept;
void SetHandlerReportHook(HandlerReportHook hook);

// An exception leaving an event handler would end the program. Handler bodies run here; the only
// exception expected is running out of memory on an absurdly long text, and the handler then just
// stops where it was. Any other exception is a programming error: it stops the handler too, and
// leaves one line on standard error naming the handler (`where` defaults to the caller).
template <typename Body>
void RunHandler(Body&& body,
                std::source_location where = std::source_location::current()) noexcept {
  try {
    std::forward<Body>(body)();
  } catch (const std::bad_alloc&) {
  } catch (const std::exception& error) {
    ReportUnexpectedException(where, error.what());
  } catch (...) {
    ReportUnexpectedException(where, "unknown exception");
  }
}

}  // namespace worthmere
