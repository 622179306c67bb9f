#include "app/handler_guard.h"

#include <cstdio>

namespace worthmere {

void ReportUnexpectedException(const std::source_location& where, const char* what) noexcept {
  std::fprintf(stderr, "%s%s: %s\n", kUnexpectedExceptionLead, where.function_name(), what);
}

}  // namespace worthmere
