#include "support/comma_locale.h"

#include <clocale>
#include <cstring>
#include <locale>
#include <stdexcept>

namespace worthmere::testing {

bool PinCommaLocale() {
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8"}) {
    if (std::setlocale(LC_ALL, name) == nullptr) continue;
    try {
      std::locale::global(std::locale(name));
    } catch (const std::runtime_error&) {
      continue;
    }
    std::setlocale(LC_ALL, name);
    return std::strcmp(std::localeconv()->decimal_point, ",") == 0;
  }
  return false;
}

}  // namespace worthmere::testing
