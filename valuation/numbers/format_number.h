#pragma once

#include <string>
#include <string_view>

#include "valuation/numbers/decimal_number.h"

namespace worthmere {

// Pattern formatting. A pattern is: literal characters ("$", "-"), whole-part placeholders ("#"
// or "0", with "," among them for digit groups), then optionally "." and fraction placeholders
// ("0" always written, "#" dropped when trailing zeros). Examples: 44.6387825 with "###.00" gives
// "44.64"; 0 with "###.##" gives "."; 4141000000 with "$###,###,###,###" gives "$4,141,000,000".
// Halves round away from zero; a double is first rounded to 15 significant digits.
std::string FormatNumber(double value, std::string_view pattern);
std::string FormatNumber(const DecimalNumber& value, std::string_view pattern);
// The text is read with TextToDouble; a text that is not a number comes back unchanged.
std::string FormatNumber(std::string_view text, std::string_view pattern);

}  // namespace worthmere
