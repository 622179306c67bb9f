#pragma once

namespace worthmere::testing {

// Makes a locale whose decimal separator is a comma the process locale (C and C++). Returns false
// when no such locale is installed.
bool PinCommaLocale();

}  // namespace worthmere::testing
