#pragma once

#include "valuation/numbers/decimal_number.h"
#include "valuation/numbers/detail/wide_uint.h"
#include "valuation/numbers/result.h"

namespace worthmere::numbers_detail {

// Just below log10(2), for digits to drop: bits times it never counts more than they hold.
inline constexpr double kLog10Of2Below = 0.30102;
// Just above log10(2), for digits to add: bits times it never counts fewer than make them.
inline constexpr double kLog10Of2Above = 0.30121;

DecimalWide MagnitudeOf(const DecimalNumber& value);

// The DecimalNumber nearest to magnitude / 10^scale by `rule`, with at most `max_scale` decimals
// and as many digits as fit 96 bits. `sticky` says a non-zero remainder lies below the last digit
// of `magnitude`; the caller then makes sure at least one digit is dropped. Overflow when not even
// the whole part fits.
NumberResult<DecimalNumber> RoundToDecimal(bool negative, DecimalWide magnitude, int scale,
                                           bool sticky, Rounding rule = Rounding::HalfToEven,
                                           int max_scale = DecimalNumber::kMaxScale);

}  // namespace worthmere::numbers_detail
