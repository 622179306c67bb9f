#pragma once

#include <locale>
#include <string>

namespace worthmere::testing {

// Makes a locale whose decimal separator is a comma the process locale (C and C++). Returns false
// when no such locale is installed.
bool PinCommaLocale();

// What a test program says when PinCommaLocale fails: the locale is a prerequisite, not a skip.
#if defined(_WIN32)
inline constexpr const char kCommaLocaleMissing[] =
    "the C runtime does not know the German_Germany.1252 locale\n";
#else
inline constexpr const char kCommaLocaleMissing[] =
    "the de_DE.UTF-8 locale is missing: add it with `localedef -i de_DE -f UTF-8 de_DE.UTF-8` "
    "(package locales), or run scripts/quickstart.sh setup\n";
#endif

// GoogleTest writes the numbers of a death test's child command line (source line, parent process
// id) through streams of the global C++ locale, where grouping turns 1060 into "1.060", which the
// child cannot read. While one lives in the parent, that locale is the classic one; the child keeps
// the comma locale for the statement it runs.
class ClassicLocaleForDeathTests {
 public:
  ClassicLocaleForDeathTests();
  ~ClassicLocaleForDeathTests();
  ClassicLocaleForDeathTests(const ClassicLocaleForDeathTests&) = delete;
  ClassicLocaleForDeathTests& operator=(const ClassicLocaleForDeathTests&) = delete;

 private:
  bool in_parent_;
  std::locale kept_;
  std::string kept_c_locale_;
};

}  // namespace worthmere::testing
