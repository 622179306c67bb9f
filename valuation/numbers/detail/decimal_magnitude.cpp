#include "valuation/numbers/detail/decimal_magnitude.h"

#include <algorithm>
#include <cassert>

#include "valuation/numbers/detail/rounding_rule.h"

namespace worthmere::numbers_detail {

DecimalWide MagnitudeOf(const DecimalNumber& value) {
  return DecimalWide(value.MagnitudeLow(), value.MagnitudeHigh());
}

NumberResult<DecimalNumber> RoundToDecimal(bool negative, DecimalWide magnitude, int scale,
                                           bool sticky, Rounding rule, int max_scale) {
  int drop = std::max(0, scale - max_scale);
  // Dropping fewer digits than the bits beyond 96 hold leaves more than 96 bits.
  const int bits = magnitude.BitLength();
  if (bits > 96) drop = std::max(drop, static_cast<int>((bits - 97) * kLog10Of2Below) + 1);
  if (drop == 0) {
    assert(!sticky);
    return *DecimalNumber::FromParts(negative, magnitude.Low64(), magnitude.Limb(2), scale);
  }
  if (drop > scale) return NumberError::Overflow;
  // The lower dropped digits nine at a time, then the top ones, which decide the rounding.
  bool lower_nonzero = sticky;
  int top_digits = drop;
  for (; top_digits > 9; top_digits -= 9) lower_nonzero |= magnitude.DividePow10(9) != 0;
  std::uint32_t top = magnitude.DividePow10(top_digits);
  std::uint32_t half = kPow10[top_digits] / 2;
  for (;; ++drop) {
    if (drop > scale) return NumberError::Overflow;
    DecimalWide rounded = magnitude;
    if (RoundsUp(rule, CompareWithHalf(top, half, lower_nonzero), magnitude.IsOdd())) {
      rounded.MultiplyAdd(1, 1);
    }
    if (rounded.FitsMagnitude()) {
      return *DecimalNumber::FromParts(negative, rounded.Low64(), rounded.Limb(2), scale - drop);
    }
    // Still more than 96 bits, or rounding up carried beyond them: one more digit goes.
    lower_nonzero |= top != 0;
    top = magnitude.DivideSmall(10);
    half = 5;
  }
}

}  // namespace worthmere::numbers_detail
