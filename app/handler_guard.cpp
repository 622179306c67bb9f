#include "app/handler_guard.h"

#include <cstdio>

namespace worthmere {

void ReportUnexpectedException(const std::source_location& where, const char* what) noexcept {
  std::fprintf(stderr, "unexpected exception in %s: %s\n", where.function_name(), what);
}

}  // namespace worthmere
