#include "valuation/numbers/detail/double_reader.h"

// The one system-specific file of the logic: where the C++ library has no std::from_chars for
// doubles (libc++, MinGW's before GCC 12), the C library reads them in its "C" locale, so the
// process locale, which the toolkit sets from the desktop, plays no part.
#if WORTHMERE_C_LIBRARY_READER
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>
#if defined(_WIN32)
#include <locale.h>
#elif defined(__APPLE__)
#include <xlocale.h>
#else
#include <locale.h>
#include <stdlib.h>
#endif
#endif

namespace worthmere::numbers_detail {

#if WORTHMERE_C_LIBRARY_READER

namespace {

#if defined(_WIN32)
using CLocale = _locale_t;
CLocale MakeCLocale() { return _create_locale(LC_ALL, "C"); }
double ReadInLocale(const char* text, char** end, CLocale locale) {
  return _strtod_l(text, end, locale);
}
#else
using CLocale = locale_t;
CLocale MakeCLocale() { return newlocale(LC_ALL_MASK, "C", nullptr); }
double ReadInLocale(const char* text, char** end, CLocale locale) {
  return strtod_l(text, end, locale);
}
#endif

}  // namespace

std::from_chars_result ReadDouble(const char* first, const char* last, double& value) {
  // Made once and kept for the life of the process.
  static const CLocale c_locale = MakeCLocale();
  // The C library reads up to a NUL; the strict scan has already checked the form, so no "inf",
  // "nan" or hexadecimal text reaches it.
  const std::string text(first, last);
  char* end = nullptr;
  errno = 0;
  const double read = ReadInLocale(text.c_str(), &end, c_locale);
  const char* const stop = first + (end - text.c_str());
  if (end == text.c_str()) return {first, std::errc::invalid_argument};
  // A subnormal result is in range, as std::from_chars has it, though the C library flags it.
  if (errno == ERANGE && (std::isinf(read) || read == 0)) {
    return {stop, std::errc::result_out_of_range};
  }
  value = read;
  return {stop, std::errc()};
}

#else

std::from_chars_result ReadDouble(const char* first, const char* last, double& value) {
  return std::from_chars(first, last, value);
}

#endif

}  // namespace worthmere::numbers_detail
