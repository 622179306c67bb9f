#pragma once

#include <cstdint>
#include <string>

#include "valuation/numbers/decimal_number.h"

namespace worthmere {

// Plain form of a number, without digit groups. A double is first rounded to 15 significant
// digits; from 1E-04 up to below 1E+15 it is written plainly (0.0625, 12.1, 13), outside that in
// exponent form (1E+15, 1E-05, 1.23456789012346E+15). A DecimalNumber gives all its digits
// (44.60 gives 44.6, 0.00 gives 0). Negative zero is written "0".
std::string NumberToText(double value);
std::string NumberToText(const DecimalNumber& value);
std::string NumberToText(std::int16_t value);

}  // namespace worthmere
