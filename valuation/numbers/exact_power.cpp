#include "valuation/numbers/exact_power.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

namespace worthmere {
namespace {

constexpr int kSignificandBits = 53;
constexpr int kLowestExponent = -1074;  // of the least significant bit of the smallest subnormal

// A power of a 53-bit significand to at most the fifteenth has at most 795 bits; a schoolbook
// product writes one limb past its top before trimming.
class PowerBits {
 public:
  static constexpr int kLimbs = (kSignificandBits * kMaxExactPowerExponent + 31) / 32 + 1;

  explicit PowerBits(std::uint32_t value) : limbs_{value}, size_(1) {}

  // value *= factor, a factor below 2^64.
  void Multiply(std::uint64_t factor) {
    const std::uint32_t parts[2] = {static_cast<std::uint32_t>(factor),
                                    static_cast<std::uint32_t>(factor >> 32)};
    std::array<std::uint32_t, kLimbs> product{};
    for (int i = 0; i < size_; ++i) {
      std::uint64_t carry = 0;
      for (int j = 0; j < 2; ++j) {
        carry += static_cast<std::uint64_t>(limbs_[i]) * parts[j] + product[i + j];
        product[i + j] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
      }
      product[i + 2] = static_cast<std::uint32_t>(carry);
    }
    assert(size_ + 2 <= kLimbs);
    limbs_ = product;
    size_ += 2;
    while (size_ > 1 && limbs_[size_ - 1] == 0) --size_;
  }

  int BitLength() const { return 32 * (size_ - 1) + std::bit_width(limbs_[size_ - 1]); }
  bool Bit(int index) const {
    return index >= 0 && index < 32 * size_ && (limbs_[index / 32] >> (index % 32) & 1) != 0;
  }
  // Any of the bits below `index` set.
  bool AnyBitBelow(int index) const {
    for (int limb = 0; limb < size_ && 32 * limb < index; ++limb) {
      const int width = index - 32 * limb;
      const std::uint32_t mask = width >= 32 ? ~0u : (1u << width) - 1;
      if ((limbs_[limb] & mask) != 0) return true;
    }
    return false;
  }
  // The value shifted right by `shift` bits, when at most 64 bits remain.
  std::uint64_t ShiftedRight(int shift) const {
    std::uint64_t result = 0;
    for (int index = BitLength() - 1; index >= shift; --index) result = result << 1 | Bit(index);
    return result;
  }

 private:
  std::array<std::uint32_t, kLimbs> limbs_{};
  int size_;  // limbs in use, at least one
};

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
    kept = power.ShiftedRight(shift);
    const bool half = power.Bit(shift - 1);
    if (half && (power.AnyBitBelow(shift - 1) || (kept & 1) != 0)) ++kept;
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
