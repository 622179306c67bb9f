#pragma once

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

}  // namespace worthmere::testing
