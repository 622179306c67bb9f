#include "valuation/numbers/exact_power.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

#include "valuation/numbers/detail/rounding_rule.h"
#include "valuation/numbers/detail/wide_uint.h"

namespace worthmere {
namespace {

constexpr int kSignificandBits = 53;
constexpr int kLowestExponent = -1074;  // of the least significant bit of the smallest subnormal

// Up to 795 bits, a 53-bit significand to the fifteenth, and a limb more for Multiply's carry.
using PowerBits = numbers_detail::WideUint<(kSignificandBits * kMaxExactPowerExponent + 63) / 32>;

// power * 2^power_exponent rounded once to the nearest double, ties to even.
double RoundedOnce(const PowerBits& power, int power_exponent) {
  // Keep 53 bits, or fewer where the result is subnormal, and round the rest off once.
  const int top_bit = power.BitLength() - 1 + power_exponent;
  const int kept_lowest = std::max(top_bit - (kSignificandBits - 1), kLowestExponent);
  const int shift = kept_lowest - power_exponent;
  std::uint64_t kept = 0;
  if (shift <= 0) {
    kept = power.ShiftedRight(0) << -shift;
  } else {
    // The kept bits and below them the first dropped one, worth half the last kept.
    const std::uint64_t with_half = power.ShiftedRight(shift - 1);
    kept = with_half >> 1;
    const bool lower_nonzero = power.AnyBitBelow(shift - 1);
    const auto dropped = numbers_detail::CompareWithHalf(with_half & 1, 1, lower_nonzero);
    if (numbers_detail::RoundsUp(Rounding::HalfToEven, dropped, (kept & 1) != 0)) ++kept;
  }

  // The kept bits' leading one (2^52 or 2^53 after a carry) lands in the exponent field, and a
  // subnormal's lies below it; past the largest exponent this is an infinity.
  constexpr std::uint64_t kInfinity = std::uint64_t{0x7FF} << 52;
  const int field = kept_lowest - kLowestExponent;
  std::uint64_t result = kInfinity;
  if (field < 0x7FF) result = std::min((static_cast<std::uint64_t>(field) << 52) + kept, kInfinity);
  return std::bit_cast<double>(result);
}

}  // namespace

void ExactPowers(double base, std::span<double> powers) {
  assert(powers.size() <= static_cast<std::size_t>(kMaxExactPowerExponent));
  if (!std::isfinite(base) || base == 0) {
    for (std::size_t i = 0; i < powers.size(); ++i) {
      powers[i] = i % 2 == 0 ? base : std::fabs(base);
    }
    return;
  }

  // |base| = significand * 2^binary_exponent, the significand an integer.
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(base) & ~(std::uint64_t{1} << 63);
  const int biased = static_cast<int>(bits >> 52);
  std::uint64_t significand = bits & ((std::uint64_t{1} << 52) - 1);
  int binary_exponent = kLowestExponent;
  if (biased != 0) {
    significand |= std::uint64_t{1} << 52;
    binary_exponent += biased - 1;
  }

  // Each power is the one before times the significand, rounded once on its own.
  PowerBits power(1);
  for (std::size_t i = 0; i < powers.size(); ++i) {
    power.Multiply(significand);
    const int exponent = static_cast<int>(i) + 1;
    const double magnitude = RoundedOnce(power, binary_exponent * exponent);
    powers[i] = std::signbit(base) && exponent % 2 == 1 ? -magnitude : magnitude;
  }
}

}  // namespace worthmere
