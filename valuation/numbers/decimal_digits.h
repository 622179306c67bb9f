#pragma once

#include <string_view>

#include "valuation/numbers/decimal_number.h"
#include "valuation/numbers/significant_digits.h"

namespace worthmere::numbers_internal {

// A number as its significant decimal digits, without leading or trailing zeros; `exponent` is
// the power of ten of the first digit. Zero has no digits.
struct DecimalDigits {
  static constexpr int kCapacity = 29;  // the digits of 2^96 - 1

  bool negative = false;
  char digits[kCapacity];
  int count = 0;
  int exponent = 0;

  bool IsZero() const { return count == 0; }
  std::string_view Digits() const { return {digits, static_cast<std::size_t>(count)}; }
};

DecimalDigits DigitsOf(const SignificantDigits& value);
DecimalDigits DigitsOf(const DecimalNumber& value);

// Rounds to at most `decimals` digits after the point, a tie going away from zero.
void RoundAwayFromZero(DecimalDigits* value, int decimals);

// The most characters WritePlain writes: its first digit lies from 10^-29 to 10^28, as for every
// DecimalNumber.
inline constexpr int kMaxPlainLength = 59;

// Writes the magnitude in plain form at `out` and returns the end: "0.0625", "12.1", "1250", "0"
// for zero.
char* WritePlain(const DecimalDigits& value, char* out);

}  // namespace worthmere::numbers_internal
