#pragma once

namespace worthmere::numbers_detail {

// The largest exponent ExactPower takes: the fifteen years of the estimate.
inline constexpr int kMaxExactPowerExponent = 15;

// base^exponent computed exactly and rounded once to the nearest double, ties to even, so every
// C library gives the same discount factors (pow rounds each a little differently). A power
// beyond the double range is an infinity of its sign. `exponent` is 0 to kMaxExactPowerExponent.
double ExactPower(double base, int exponent);

}  // namespace worthmere::numbers_detail
