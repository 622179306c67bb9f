#pragma once

#include <span>

namespace worthmere {

// The most powers ExactPowers gives: the fifteen years of the estimate.
inline constexpr int kMaxExactPowerExponent = 15;

// powers[i] = base^(i + 1), each computed exactly and rounded once to the nearest double, ties to
// even, so every C library gives the same discount factors (pow rounds each a little
// differently). A power beyond the double range is an infinity of its sign. At most
// kMaxExactPowerExponent powers.
void ExactPowers(double base, std::span<double> powers);

}  // namespace worthmere
