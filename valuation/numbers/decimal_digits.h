#pragma once

#include <string>

#include "valuation/numbers/decimal_number.h"
#include "valuation/numbers/significant_digits.h"

namespace worthmere::numbers_internal {

// A number as its significant decimal digits, without leading or trailing zeros; `exponent` is
// the power of ten of the first digit. Zero has no digits.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int exponent = 0;

  bool IsZero() const { return digits.empty(); }
};

DecimalDigits DigitsOf(const SignificantDigits& value);
DecimalDigits DigitsOf(const DecimalNumber& value);

// Rounds to at most `decimals` digits after the point, a tie going away from zero.
void RoundAwayFromZero(DecimalDigits* value, int decimals);

// Appends the magnitude in plain form: "0.0625", "12.1", "1250", "0" for zero.
void AppendPlain(const DecimalDigits& value, std::string* out);

}  // namespace worthmere::numbers_internal
