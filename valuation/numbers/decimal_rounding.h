#pragma once

#include "valuation/numbers/decimal_number.h"
#include "valuation/numbers/result.h"
#include "valuation/numbers/wide_uint.h"

namespace worthmere::numbers_internal {

// The DecimalNumber nearest to magnitude / 10^scale, dropping as few trailing digits as make the
// magnitude fit 96 bits and the scale `max_scale` or less. `sticky` says a non-zero remainder lies
// below the last digit of `magnitude`; the caller makes sure at least one digit is then dropped.
// Overflow when even scale 0 does not fit.
NumberResult<DecimalNumber> RoundToDecimal(bool negative, WideUint magnitude, int scale,
                                           bool sticky, Rounding rule = Rounding::HalfToEven,
                                           int max_scale = DecimalNumber::kMaxScale);

// Divide without the shortcut for a dividend below 2^64 and a divisor below 2^32, which the tests
// check against it.
NumberResult<DecimalNumber> DivideInWideIntegers(const DecimalNumber& a, const DecimalNumber& b);

// The value's magnitude as a wide integer.
WideUint MagnitudeOf(const DecimalNumber& value);

// Writes the magnitude's decimal digits without leading zeros ("0" for zero) at `out`, which has
// room for 29, and returns how many.
int WriteMagnitudeDigits(const DecimalNumber& value, char* out);

}  // namespace worthmere::numbers_internal
