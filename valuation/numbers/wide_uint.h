#pragma once

#include <array>
#include <bit>
#include <cassert>
#include <cstdint>

namespace worthmere::numbers_internal {

inline constexpr std::uint32_t kSmallPow10[] = {1,      10,      100,      1000,      10000,
                                                100000, 1000000, 10000000, 100000000, 1000000000};

// 10^exponent for exponent 0..9.
inline std::uint32_t SmallPow10(int exponent) {
  assert(exponent >= 0 && exponent <= 9);
  return kSmallPow10[exponent];
}

// A fixed-capacity unsigned integer of 32-bit limbs (least significant first) for the exact
// intermediate results of decimal arithmetic. 384 bits hold the largest of them: a 96-bit dividend
// times 10^57. Exceeding the capacity is a programming error (asserted), never a user input.
// The small operations are defined here so that the arithmetic around them can inline them.
class WideUint {
 public:
  static constexpr int kCapacity = 12;

  WideUint() = default;
  static WideUint FromMagnitude(std::uint64_t low, std::uint32_t high) {
    WideUint result;
    result.limbs_[0] = static_cast<std::uint32_t>(low);
    result.limbs_[1] = static_cast<std::uint32_t>(low >> 32);
    result.limbs_[2] = high;
    result.size_ = 3;
    result.Trim();
    return result;
  }

  bool IsZero() const { return size_ == 0; }
  int BitLength() const {
    return size_ == 0 ? 0 : 32 * (size_ - 1) + std::bit_width(limbs_[size_ - 1]);
  }
  // True when the value is below 2^96.
  bool FitsMagnitude() const { return size_ <= 3; }
  std::uint64_t Low64() const { return static_cast<std::uint64_t>(Limb(1)) << 32 | Limb(0); }
  std::uint32_t Limb(int index) const { return index < size_ ? limbs_[index] : 0; }
  bool IsOdd() const { return size_ > 0 && (limbs_[0] & 1) != 0; }

  void AddSmall(std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (int i = 0; i < size_ && carry != 0; ++i) {
      carry += limbs_[i];
      limbs_[i] = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
    if (carry != 0) Push(static_cast<std::uint32_t>(carry));
  }

  // value = value * factor + addend, for a non-zero factor.
  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    assert(factor != 0);
    std::uint64_t carry = addend;
    for (int i = 0; i < size_; ++i) {
      carry += static_cast<std::uint64_t>(limbs_[i]) * factor;
      limbs_[i] = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
    if (carry != 0) Push(static_cast<std::uint32_t>(carry));
  }
  void MultiplySmall(std::uint32_t factor) { MultiplyAdd(factor, 0); }

  void MultiplyPow10(int exponent) {
    for (; exponent >= 9; exponent -= 9) MultiplySmall(kSmallPow10[9]);
    if (exponent > 0) MultiplySmall(kSmallPow10[exponent]);
  }

  // Divides in place and returns the remainder; `divisor` must not be zero.
  std::uint32_t DivideSmall(std::uint32_t divisor);

  // Divides in place by 10^exponent (exponent 1..9) and returns the remainder.
  std::uint32_t DividePow10(int exponent) {
    switch (exponent) {
      case 1:
        return DivideBy<kSmallPow10[1]>();
      case 2:
        return DivideBy<kSmallPow10[2]>();
      case 3:
        return DivideBy<kSmallPow10[3]>();
      case 4:
        return DivideBy<kSmallPow10[4]>();
      case 5:
        return DivideBy<kSmallPow10[5]>();
      case 6:
        return DivideBy<kSmallPow10[6]>();
      case 7:
        return DivideBy<kSmallPow10[7]>();
      case 8:
        return DivideBy<kSmallPow10[8]>();
      default:
        assert(exponent == 9);
        return DivideBy<kSmallPow10[9]>();
    }
  }

  // True when the value is a multiple of 10^exponent (exponent 1, 2, 4, 8 or 9); the value is
  // unchanged.
  bool IsMultipleOfPow10(int exponent) const {
    // Cheap screen: 10^k needs the k low bits clear.
    if (size_ == 0) return true;
    if ((limbs_[0] & ((std::uint32_t{1} << exponent) - 1)) != 0) return false;
    switch (exponent) {
      case 1:
        return RemainderBy<kSmallPow10[1]>() == 0;
      case 2:
        return RemainderBy<kSmallPow10[2]>() == 0;
      case 4:
        return RemainderBy<kSmallPow10[4]>() == 0;
      case 8:
        return RemainderBy<kSmallPow10[8]>() == 0;
      default:
        assert(exponent == 9);
        return RemainderBy<kSmallPow10[9]>() == 0;
    }
  }

  static WideUint Add(const WideUint& a, const WideUint& b);
  // Requires a >= b.
  static WideUint Subtract(const WideUint& a, const WideUint& b);

  // The product of two magnitudes below 2^96; the fixed loop bounds let the compiler unroll it.
  static WideUint MultiplyMagnitudes(std::uint64_t a_low, std::uint32_t a_high, std::uint64_t b_low,
                                     std::uint32_t b_high) {
    const std::uint32_t x[3] = {static_cast<std::uint32_t>(a_low),
                                static_cast<std::uint32_t>(a_low >> 32), a_high};
    const std::uint32_t y[3] = {static_cast<std::uint32_t>(b_low),
                                static_cast<std::uint32_t>(b_low >> 32), b_high};
    WideUint result;
    for (int i = 0; i < 3; ++i) {
      std::uint64_t carry = 0;
      for (int j = 0; j < 3; ++j) {
        carry += static_cast<std::uint64_t>(x[i]) * y[j] + result.limbs_[i + j];
        result.limbs_[i + j] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
      }
      result.limbs_[i + 3] = static_cast<std::uint32_t>(carry);
    }
    result.size_ = 6;
    result.Trim();
    return result;
  }

  // Long division; `divisor` must not be zero.
  static void DivideWithRemainder(const WideUint& dividend, const WideUint& divisor,
                                  WideUint* quotient, WideUint* remainder);

  static int Compare(const WideUint& a, const WideUint& b) {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (int i = a.size_ - 1; i >= 0; --i) {
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
  }

 private:
  void Trim() {
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
  }
  void Push(std::uint32_t limb) {
    assert(size_ < kCapacity);
    limbs_[size_++] = limb;
  }

  // With the divisor known at compile time the division becomes a multiplication.
  template <std::uint32_t kDivisor>
  std::uint32_t DivideBy() {
    std::uint64_t remainder = 0;
    for (int i = size_ - 1; i >= 0; --i) {
      const std::uint64_t part = remainder << 32 | limbs_[i];
      limbs_[i] = static_cast<std::uint32_t>(part / kDivisor);
      remainder = part % kDivisor;
    }
    Trim();
    return static_cast<std::uint32_t>(remainder);
  }

  template <std::uint32_t kDivisor>
  std::uint32_t RemainderBy() const {
    std::uint64_t remainder = 0;
    for (int i = size_ - 1; i >= 0; --i) remainder = (remainder << 32 | limbs_[i]) % kDivisor;
    return static_cast<std::uint32_t>(remainder);
  }

  std::array<std::uint32_t, kCapacity> limbs_{};
  int size_ = 0;  // limbs in use; the top one is non-zero
};

}  // namespace worthmere::numbers_internal
