#pragma once

#include <string>
#include <string_view>

#include "valuation/numbers/decimal_number.h"
#include "valuation/numbers/number_pattern.h"

namespace worthmere {

// Pattern formatting (see NumberPattern for what a pattern holds). Examples: 44.6387825 with
// "###.00" gives "44.64"; 0 with "###.##" gives "."; 4141000000 with "$###,###,###,###" gives
// "$4,141,000,000". Halves round away from zero; a double is first rounded to 15 significant
// digits.
std::string FormatNumber(double value, const NumberPattern& pattern);
std::string FormatNumber(const DecimalNumber& value, const NumberPattern& pattern);
// The text is read with TextToDouble; a text that is not a number comes back unchanged.
std::string FormatNumber(std::string_view text, const NumberPattern& pattern);

}  // namespace worthmere
