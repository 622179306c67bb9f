#pragma once

namespace worthmere::numbers_internal {

// A finite double rounded to 15 significant decimal digits, a tie going away from zero.
// The value is 0.d1d2...dn times 10^(exponent + 1): `exponent` is the power of ten of the first
// digit. Trailing zeros are dropped; zero has no digits.
struct SignificantDigits {
  bool negative = false;
  char digits[17] = {};  // room for the shortest form's 17 while rounding
  int count = 0;
  int exponent = 0;
};

// `value` must be finite. Negative zero gives zero with `negative` set.
SignificantDigits RoundTo15Digits(double value);

}  // namespace worthmere::numbers_internal
