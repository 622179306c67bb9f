#include "valuation/numbers/detail/wide_uint.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <charconv>

namespace worthmere::numbers_detail {

template <int kCapacity>
int WideUint<kCapacity>::WriteDigits(char* out) const {
  // Groups of nine digits from the bottom until the rest fits 64 bits.
  WideUint rest = *this;
  std::uint32_t groups[kCapacity];
  int group_count = 0;
  while (rest.size_ > 2) groups[group_count++] = rest.DivideSmall(kPow10[9]);
  char* p = std::to_chars(out, out + 20, rest.Low64()).ptr;
  while (group_count > 0) {
    std::uint32_t group = groups[--group_count];
    for (int i = 9; i > 0; --i, group /= 10) p[i - 1] = static_cast<char>('0' + group % 10);
    p += 9;
  }
  return static_cast<int>(p - out);
}

template <int kCapacity>
WideUint<kCapacity> WideUint<kCapacity>::Add(const WideUint& a, const WideUint& b) {
  WideUint sum;
  sum.size_ = std::max(a.size_, b.size_);
  std::uint64_t carry = 0;
  for (int i = 0; i < sum.size_; ++i) {
    carry += static_cast<std::uint64_t>(a.Limb(i)) + b.Limb(i);
    sum.limbs_[i] = static_cast<std::uint32_t>(carry);
    carry >>= 32;
  }
  if (carry != 0) {
    assert(sum.size_ < kCapacity);
    sum.limbs_[sum.size_++] = static_cast<std::uint32_t>(carry);
  }
  return sum;
}

template <int kCapacity>
WideUint<kCapacity> WideUint<kCapacity>::Subtract(const WideUint& a, const WideUint& b) {
  assert(a >= b);
  WideUint difference;
  difference.size_ = a.size_;
  std::int64_t borrow = 0;
  for (int i = 0; i < a.size_; ++i) {
    const std::int64_t part = static_cast<std::int64_t>(a.limbs_[i]) - b.Limb(i) - borrow;
    borrow = part < 0 ? 1 : 0;
    difference.limbs_[i] = static_cast<std::uint32_t>(part + (borrow << 32));
  }
  difference.Trim();
  return difference;
}

// Long division after Knuth (algorithm D): with the divisor shifted so its top limb has its high
// bit set, each quotient limb estimated from the top limbs is off by at most two.
template <int kCapacity>
WideUint<kCapacity> WideUint<kCapacity>::Divide(const WideUint& dividend, const WideUint& divisor,
                                                WideUint* remainder) {
  assert(!divisor.IsZero());
  WideUint quotient;
  if (dividend < divisor) {
    *remainder = dividend;
    return quotient;
  }
  if (divisor.size_ == 1) {
    quotient = dividend;
    *remainder = WideUint(quotient.DivideSmall(divisor.limbs_[0]));
    return quotient;
  }
  const int n = divisor.size_;
  const int m = dividend.size_ - n;
  const int shift = std::countl_zero(divisor.limbs_[n - 1]);
  const auto shifted = [shift](std::uint32_t high, std::uint32_t low) {
    return shift == 0 ? high : (high << shift) | (low >> (32 - shift));
  };
  std::array<std::uint32_t, kCapacity> v{};
  std::array<std::uint32_t, kCapacity + 1> u{};
  for (int i = n - 1; i >= 0; --i)
    v[i] = shifted(divisor.limbs_[i], i > 0 ? divisor.limbs_[i - 1] : 0);
  u[dividend.size_] = shifted(0, dividend.limbs_[dividend.size_ - 1]);
  for (int i = dividend.size_ - 1; i >= 0; --i) {
    u[i] = shifted(dividend.limbs_[i], i > 0 ? dividend.limbs_[i - 1] : 0);
  }

  constexpr std::uint64_t kBase = std::uint64_t{1} << 32;
  for (int j = m; j >= 0; --j) {
    const std::uint64_t top = static_cast<std::uint64_t>(u[j + n]) << 32 | u[j + n - 1];
    std::uint64_t estimate = top / v[n - 1];
    std::uint64_t rest = top % v[n - 1];
    while (estimate >= kBase || estimate * v[n - 2] > (rest << 32 | u[j + n - 2])) {
      --estimate;
      rest += v[n - 1];
      if (rest >= kBase) break;
    }
    // u[j..j+n] -= estimate * v; if that goes below zero the estimate was one too large.
    std::int64_t borrow = 0;
    std::uint64_t carry = 0;
    for (int i = 0; i <= n; ++i) {
      const std::uint64_t product = i < n ? estimate * v[i] + carry : carry;
      carry = product >> 32;
      const std::int64_t part =
          static_cast<std::int64_t>(u[i + j]) - static_cast<std::uint32_t>(product) - borrow;
      u[i + j] = static_cast<std::uint32_t>(part);
      borrow = part < 0 ? 1 : 0;
    }
    if (borrow != 0) {
      --estimate;
      std::uint64_t add_carry = 0;
      for (int i = 0; i <= n; ++i) {
        add_carry += static_cast<std::uint64_t>(u[i + j]) + (i < n ? v[i] : 0);
        u[i + j] = static_cast<std::uint32_t>(add_carry);
        add_carry >>= 32;
      }
    }
    quotient.limbs_[j] = static_cast<std::uint32_t>(estimate);
  }
  quotient.size_ = m + 1;
  quotient.Trim();

  remainder->limbs_ = {};
  for (int i = 0; i < n; ++i) {
    remainder->limbs_[i] = shift == 0 ? u[i] : (u[i] >> shift) | (u[i + 1] << (32 - shift));
  }
  remainder->size_ = n;
  remainder->Trim();
  return quotient;
}

template <int kCapacity>
std::strong_ordering WideUint<kCapacity>::operator<=>(const WideUint& other) const {
  if (size_ != other.size_) return size_ <=> other.size_;
  for (int i = size_ - 1; i >= 0; --i) {
    if (limbs_[i] != other.limbs_[i]) return limbs_[i] <=> other.limbs_[i];
  }
  return std::strong_ordering::equal;
}

template class WideUint<8>;

}  // namespace worthmere::numbers_detail
