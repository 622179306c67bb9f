#pragma once

#include <exception>
#include <new>
#include <source_location>
#include <utility>

namespace worthmere {

// How each such line begins.
inline constexpr char kUnexpectedExceptionLead[] = "unexpected exception in ";

// Writes one line to standard error: the handler, where `where` was taken, and what was thrown.
void ReportUnexpectedException(const std::source_location& where, const char* what) noexcept;

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
