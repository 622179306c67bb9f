#include "support/comma_locale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <locale>
#include <stdexcept>
#include <string>

namespace worthmere::testing {
namespace {

#if defined(_WIN32)
// The Windows C runtime names a locale by language, country and code page. Its C++ library
// (mingw's) names no locale but "C", so there a German number facet stands in.
constexpr const char* kCommaLocaleNames[] = {"German_Germany.1252"};
constexpr bool kFacetStandsIn = true;
#else
constexpr const char* kCommaLocaleNames[] = {"de_DE.UTF-8", "de_DE.utf8"};
constexpr bool kFacetStandsIn = false;
#endif

// German numbers: a decimal comma, and points between groups of three digits.
class GermanNumbers : public std::numpunct<char> {
 protected:
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

}  // namespace

bool PinCommaLocale() {
  for (const char* name : kCommaLocaleNames) {
    if (std::setlocale(LC_ALL, name) == nullptr) continue;
    try {
      std::locale::global(std::locale(name));
    } catch (const std::runtime_error&) {
      if (!kFacetStandsIn) continue;
      std::locale::global(std::locale(std::locale::classic(), new GermanNumbers));
    }
    std::setlocale(LC_ALL, name);
    return std::strcmp(std::localeconv()->decimal_point, ",") == 0;
  }
  return false;
}

ClassicLocaleForDeathTests::ClassicLocaleForDeathTests()
    : in_parent_(GTEST_FLAG_GET(internal_run_death_test).empty()),
      kept_c_locale_(std::setlocale(LC_ALL, nullptr)) {
  if (in_parent_) kept_ = std::locale::global(std::locale::classic());
}

// Restoring an unnamed C++ locale leaves the C locale as it is, so that is restored on its own.
ClassicLocaleForDeathTests::~ClassicLocaleForDeathTests() {
  if (!in_parent_) return;
  std::locale::global(kept_);
  std::setlocale(LC_ALL, kept_c_locale_.c_str());
}

}  // namespace worthmere::testing
