#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <compare>
#include <cstdint>
#include <utility>

namespace worthmere::numbers_detail {

// 10^k for k = 0..9: the powers of ten that fit a limb.
inline constexpr std::uint32_t kPow10[] = {1,      10,      100,      1000,      10000,
                                           100000, 1000000, 10000000, 100000000, 1000000000};

// An unsigned integer of at most kCapacity 32-bit limbs, least significant first; more is a
// programming error (asserted). The small operations are here for the arithmetic to inline.
template <int kCapacity>
class WideUint {
 public:
  WideUint() = default;
  explicit WideUint(std::uint64_t low, std::uint32_t high = 0)
      : limbs_{static_cast<std::uint32_t>(low), static_cast<std::uint32_t>(low >> 32), high},
        size_(high != 0          ? 3
              : (low >> 32) != 0 ? 2
              : low != 0         ? 1
                                 : 0) {}

  bool IsZero() const { return size_ == 0; }
  bool IsOdd() const { return size_ > 0 && (limbs_[0] & 1) != 0; }
  int BitLength() const {
    return size_ == 0 ? 0 : 32 * (size_ - 1) + std::bit_width(limbs_[size_ - 1]);
  }
  // True below 2^96, the decimal magnitude's limit.
  bool FitsMagnitude() const { return size_ <= 3; }
  std::uint32_t Limb(int index) const { return index < size_ ? limbs_[index] : 0; }
  std::uint64_t Low64() const { return static_cast<std::uint64_t>(Limb(1)) << 32 | Limb(0); }

  // value = value * factor + addend, for a non-zero factor.
  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    assert(factor != 0);
    std::uint64_t carry = addend;
    for (int i = 0; i < size_; ++i) {
      carry += static_cast<std::uint64_t>(limbs_[i]) * factor;
      limbs_[i] = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
    if (carry != 0) {
      assert(size_ < kCapacity);
      limbs_[size_++] = static_cast<std::uint32_t>(carry);
    }
  }
  // value *= factor, in one pass: each limb takes the factor's low half times itself and its high
  // half times the limb below; the product needs two limbs more, then the top ones may be zero.
  void Multiply(std::uint64_t factor) {
    assert(size_ + 2 <= kCapacity);
    std::uint64_t carry = 0;
    std::uint64_t below = 0;
    for (int i = 0; i < size_ + 2; ++i) {
      const std::uint64_t low = limbs_[i] * (factor & UINT32_MAX);
      const std::uint64_t high = below * (factor >> 32);
      carry += (low & UINT32_MAX) + (high & UINT32_MAX);
      below = limbs_[i];
      limbs_[i] = static_cast<std::uint32_t>(carry);
      carry = (carry >> 32) + (low >> 32) + (high >> 32);
    }
    size_ += 2;
    Trim();
  }
  void MultiplyPow10(int exponent) {
    for (; exponent > 0; exponent -= 9) MultiplyAdd(kPow10[std::min(exponent, 9)], 0);
  }
  // Divides in place by a non-zero divisor and returns the remainder.
  std::uint32_t DivideSmall(std::uint32_t divisor) {
    assert(divisor != 0);
    std::uint64_t remainder = 0;
    for (int i = size_ - 1; i >= 0; --i) {
      const std::uint64_t part = remainder << 32 | limbs_[i];
      limbs_[i] = static_cast<std::uint32_t>(part / divisor);
      remainder = part % divisor;
    }
    // Dividing by less than 2^32 takes at most the top limb.
    if (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
    return static_cast<std::uint32_t>(remainder);
  }
  // The same for 10^exponent (0..9): each power is a constant divisor, which is a multiplication.
  std::uint32_t DividePow10(int exponent) {
    return DividePow10(exponent, std::make_integer_sequence<int, 10>());
  }
  // The value shifted right by `shift` (>= 0) bits, when at most 64 bits remain.
  std::uint64_t ShiftedRight(int shift) const {
    assert(BitLength() - shift <= 64);
    const int limb = shift / 32;
    const std::uint64_t low = static_cast<std::uint64_t>(Limb(limb + 1)) << 32 | Limb(limb);
    if (shift % 32 == 0) return low;
    return low >> shift % 32 | static_cast<std::uint64_t>(Limb(limb + 2)) << (64 - shift % 32);
  }
  // Whether any of the bits below `index` is set.
  bool AnyBitBelow(int index) const {
    for (int i = 0; i < index / 32; ++i) {
      if (Limb(i) != 0) return true;
    }
    return (Limb(index / 32) & ((std::uint32_t{1} << index % 32) - 1)) != 0;
  }
  // Writes the decimal digits without leading zeros ("0" for zero) and returns how many.
  int WriteDigits(char* out) const;

  static WideUint Add(const WideUint& a, const WideUint& b);
  // Requires a >= b.
  static WideUint Subtract(const WideUint& a, const WideUint& b);
  // The product of two magnitudes below 2^96; fixed bounds let the compiler unroll the loops.
  static WideUint MultiplyMagnitudes(std::uint64_t a_low, std::uint32_t a_high, std::uint64_t b_low,
                                     std::uint32_t b_high) {
    const std::uint32_t x[3] = {static_cast<std::uint32_t>(a_low),
                                static_cast<std::uint32_t>(a_low >> 32), a_high};
    const std::uint32_t y[3] = {static_cast<std::uint32_t>(b_low),
                                static_cast<std::uint32_t>(b_low >> 32), b_high};
    WideUint product;
    for (int i = 0; i < 3; ++i) {
      std::uint64_t carry = 0;
      for (int j = 0; j < 3; ++j) {
        carry += static_cast<std::uint64_t>(x[i]) * y[j] + product.limbs_[i + j];
        product.limbs_[i + j] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
      }
      product.limbs_[i + 3] = static_cast<std::uint32_t>(carry);
    }
    product.size_ = 6;
    product.Trim();
    return product;
  }
  // The quotient by a non-zero divisor; what is left goes to `remainder`, which may be the
  // dividend.
  static WideUint Divide(const WideUint& dividend, const WideUint& divisor, WideUint* remainder);

  std::strong_ordering operator<=>(const WideUint& other) const;

 private:
  template <int... kExponents>
  std::uint32_t DividePow10(int exponent, std::integer_sequence<int, kExponents...>) {
    std::uint32_t remainder = 0;
    (void)((exponent == kExponents && (remainder = DivideSmall(kPow10[kExponents]), true)) || ...);
    return remainder;
  }
  void Trim() {
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
  }

  std::array<std::uint32_t, kCapacity> limbs_{};
  int size_ = 0;  // limbs in use; the top one is non-zero, those above it zero
};

// Decimal arithmetic's intermediates: 256 bits hold the largest, a magnitude times 10^28, a
// dividend scaled for a 97-bit quotient (under 200 bits) and the product of two magnitudes.
using DecimalWide = WideUint<8>;

}  // namespace worthmere::numbers_detail
