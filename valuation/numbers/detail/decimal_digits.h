#pragma once

#include "valuation/numbers/decimal_number.h"

namespace worthmere::numbers_detail {

// A number as its significant decimal digits, without leading or trailing zeros; `exponent` is
// the power of ten of the first digit. Zero has no digits.
struct DecimalDigits {
  static constexpr int kCapacity = 29;  // the digits of 2^96 - 1

  bool negative = false;
  char digits[kCapacity];
  int count = 0;
  int exponent = 0;

  bool IsZero() const { return count == 0; }
  // Keeps the digits down to the power of ten `lowest`; what goes is rounded by `rule`.
  void RoundAt(int lowest, Rounding rule);
  // Adds one unit of the last digit kept.
  void RoundUp();
  void DropTrailingZeros();
};

DecimalDigits DigitsOf(const DecimalNumber& value);

// A finite double rounded to 15 significant digits, a tie going away from zero. Negative zero
// keeps its sign.
DecimalDigits FifteenDigitsOf(double value);

// The most characters WritePlain writes: the first digit of a DecimalNumber lies from 10^-28 to
// 10^28, and a rounded one up to 10^29 away from its last.
inline constexpr int kMaxPlainLength = 59;

// Writes the magnitude in plain form at `out` and returns the end: "0.0625", "12.1", "1250", "0".
char* WritePlain(const DecimalDigits& value, char* out);

}  // namespace worthmere::numbers_detail
