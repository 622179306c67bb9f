#include "valuation/numbers/wide_uint.h"

#include <algorithm>

namespace worthmere::numbers_internal {

std::uint32_t WideUint::DivideSmall(std::uint32_t divisor) {
  assert(divisor != 0);
  if (size_ <= 2) {
    // One division instead of one per limb.
    const std::uint64_t value = Low64();
    const std::uint64_t quotient = value / divisor;
    limbs_[0] = static_cast<std::uint32_t>(quotient);
    limbs_[1] = static_cast<std::uint32_t>(quotient >> 32);
    size_ = 2;
    Trim();
    return static_cast<std::uint32_t>(value % divisor);
  }
  std::uint64_t remainder = 0;
  for (int i = size_ - 1; i >= 0; --i) {
    const std::uint64_t part = remainder << 32 | limbs_[i];
    limbs_[i] = static_cast<std::uint32_t>(part / divisor);
    remainder = part % divisor;
  }
  Trim();
  return static_cast<std::uint32_t>(remainder);
}

WideUint WideUint::Add(const WideUint& a, const WideUint& b) {
  WideUint result;
  const int size = std::max(a.size_, b.size_);
  std::uint64_t carry = 0;
  for (int i = 0; i < size; ++i) {
    carry += static_cast<std::uint64_t>(a.Limb(i)) + b.Limb(i);
    result.limbs_[i] = static_cast<std::uint32_t>(carry);
    carry >>= 32;
  }
  result.size_ = size;
  if (carry != 0) {
    assert(size < kCapacity);
    result.limbs_[result.size_++] = static_cast<std::uint32_t>(carry);
  }
  return result;
}

WideUint WideUint::Subtract(const WideUint& a, const WideUint& b) {
  assert(Compare(a, b) >= 0);
  WideUint result;
  std::int64_t borrow = 0;
  for (int i = 0; i < a.size_; ++i) {
    std::int64_t difference = static_cast<std::int64_t>(a.limbs_[i]) - b.Limb(i) - borrow;
    borrow = difference < 0 ? 1 : 0;
    result.limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
  }
  result.size_ = a.size_;
  result.Trim();
  return result;
}

// Knuth's algorithm D: normalise so the divisor's top limb has its high bit set, then estimate
// each quotient limb from the top two limbs and correct it at most twice.
void WideUint::DivideWithRemainder(const WideUint& dividend, const WideUint& divisor,
                                   WideUint* quotient, WideUint* remainder) {
  assert(!divisor.IsZero());
  if (Compare(dividend, divisor) < 0) {
    *quotient = WideUint();
    *remainder = dividend;
    return;
  }
  if (divisor.size_ == 1) {
    *quotient = dividend;
    *remainder = WideUint();
    remainder->AddSmall(quotient->DivideSmall(divisor.limbs_[0]));
    return;
  }
  const int n = divisor.size_;
  const int m = dividend.size_ - n;
  const int shift = std::countl_zero(divisor.limbs_[n - 1]);

  std::array<std::uint32_t, kCapacity> v{};
  std::array<std::uint32_t, kCapacity + 1> u{};
  for (int i = n - 1; i > 0; --i) {
    v[i] = shift == 0 ? divisor.limbs_[i]
                      : (divisor.limbs_[i] << shift) | (divisor.limbs_[i - 1] >> (32 - shift));
  }
  v[0] = divisor.limbs_[0] << shift;
  u[dividend.size_] = shift == 0 ? 0 : dividend.limbs_[dividend.size_ - 1] >> (32 - shift);
  for (int i = dividend.size_ - 1; i > 0; --i) {
    u[i] = shift == 0 ? dividend.limbs_[i]
                      : (dividend.limbs_[i] << shift) | (dividend.limbs_[i - 1] >> (32 - shift));
  }
  u[0] = dividend.limbs_[0] << shift;

  constexpr std::uint64_t kBase = std::uint64_t{1} << 32;
  WideUint q;
  for (int j = m; j >= 0; --j) {
    const std::uint64_t top = static_cast<std::uint64_t>(u[j + n]) << 32 | u[j + n - 1];
    std::uint64_t qhat = top / v[n - 1];
    std::uint64_t rhat = top % v[n - 1];
    while (qhat >= kBase || qhat * v[n - 2] > (rhat << 32 | u[j + n - 2])) {
      --qhat;
      rhat += v[n - 1];
      if (rhat >= kBase) break;
    }
    std::int64_t borrow = 0;
    std::uint64_t carry = 0;
    for (int i = 0; i < n; ++i) {
      const std::uint64_t product = qhat * v[i] + carry;
      carry = product >> 32;
      const std::int64_t difference =
          static_cast<std::int64_t>(u[i + j]) - static_cast<std::uint32_t>(product) - borrow;
      u[i + j] = static_cast<std::uint32_t>(difference);
      borrow = difference < 0 ? 1 : 0;
    }
    const std::int64_t top_difference =
        static_cast<std::int64_t>(u[j + n]) - static_cast<std::int64_t>(carry) - borrow;
    u[j + n] = static_cast<std::uint32_t>(top_difference);
    if (top_difference < 0) {
      --qhat;
      std::uint64_t add_carry = 0;
      for (int i = 0; i < n; ++i) {
        add_carry += static_cast<std::uint64_t>(u[i + j]) + v[i];
        u[i + j] = static_cast<std::uint32_t>(add_carry);
        add_carry >>= 32;
      }
      u[j + n] += static_cast<std::uint32_t>(add_carry);
    }
    q.limbs_[j] = static_cast<std::uint32_t>(qhat);
  }
  q.size_ = m + 1;
  q.Trim();
  *quotient = q;

  WideUint r;
  for (int i = 0; i < n; ++i) {
    r.limbs_[i] = shift == 0 ? u[i] : (u[i] >> shift) | (u[i + 1] << (32 - shift));
  }
  r.size_ = n;
  r.Trim();
  *remainder = r;
}

}  // namespace worthmere::numbers_internal
