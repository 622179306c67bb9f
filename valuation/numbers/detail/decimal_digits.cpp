#include "valuation/numbers/detail/decimal_digits.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "valuation/numbers/detail/decimal_magnitude.h"
#include "valuation/numbers/detail/rounding_rule.h"

namespace worthmere::numbers_detail {

namespace {

constexpr int kDoubleDigits = 15;

// Whether the double is exactly halfway above its 15 printed digits: printed * 10 + 5 times
// 10^p. That product is an odd integer times 2^p, and a double only when the odd integer has at
// most 53 bits.
bool IsTieAbove(double magnitude, const DecimalDigits& printed) {
  constexpr std::uint64_t kExactIntegers = std::uint64_t{1} << 53;
  std::uint64_t odd = 0;
  for (int i = 0; i < printed.count; ++i) odd = odd * 10 + (printed.digits[i] - '0');
  odd = odd * 10 + 5;
  const int p = printed.exponent - printed.count;
  for (int k = 0; k < p && odd < kExactIntegers; ++k) odd *= 5;
  for (int k = 0; k < -p; ++k) {
    if (odd % 5 != 0) return false;
    odd /= 5;
  }
  return odd < kExactIntegers && std::ldexp(magnitude, -p) == static_cast<double>(odd);
}

// The powers of ten that are exact doubles.
constexpr double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The fast way, for doubles from 10^-8 to below 10^15: a keypad key in 80 ns instead of 140.
// Scaled by the power of ten that puts 15 digits before the point, the double is exact to within
// 1/16, so unless its fraction lies that near a half it rounds as the exact value does.
bool RoundByScaling(double magnitude, DecimalDigits& out) {
  int decimals = 0;
  for (int step = 16; step > 0; step /= 2) {
    if (decimals + step <= 22 && magnitude * kExactPow10[decimals + step] < 1e15) decimals += step;
  }
  const double scaled = magnitude * kExactPow10[decimals];
  const double fraction = scaled - std::floor(scaled);
  if (!(scaled > 1e14 && scaled < 1e15) || std::abs(fraction - 0.5) <= 0.125) return false;
  const DroppedPart dropped = fraction > 0.5 ? DroppedPart::AboveHalf : DroppedPart::BelowHalf;
  const auto digits = static_cast<std::uint64_t>(scaled) +
                      (RoundsUp(Rounding::HalfAwayFromZero, dropped, false) ? 1 : 0);
  out.count = static_cast<int>(std::to_chars(out.digits, out.digits + 16, digits).ptr - out.digits);
  out.exponent = out.count - 1 - decimals;
  return true;
}

// The general way: the printer rounds the exact binary value correctly, a tie to even.
void RoundByPrinting(double magnitude, DecimalDigits& out) {
  char printed[32];  // "d.dddddddddddddde+xx"
  const char* end = std::to_chars(printed, printed + sizeof printed, magnitude,
                                  std::chars_format::scientific, kDoubleDigits - 1)
                        .ptr;
  out.digits[0] = printed[0];
  std::copy_n(printed + 2, kDoubleDigits - 1, out.digits + 1);
  out.count = kDoubleDigits;
  const char* exponent = printed + kDoubleDigits + 2;
  std::from_chars(exponent + (*exponent == '+' ? 1 : 0), end, out.exponent);
  // A tie the printer kept on its even digit goes by the program's rule instead.
  const bool odd = (out.digits[kDoubleDigits - 1] - '0') % 2 == 1;
  if (IsTieAbove(magnitude, out) && RoundsUp(Rounding::HalfAwayFromZero, DroppedPart::Half, odd)) {
    out.RoundUp();
  }
}

}  // namespace

void DecimalDigits::RoundAt(int lowest, Rounding rule) {
  const long long keep = static_cast<long long>(exponent) - lowest + 1;
  if (keep >= count) return;
  // With nothing kept the first dropped digit is a leading zero, unless it is the first digit.
  DroppedPart dropped = DroppedPart::BelowHalf;
  if (keep >= 0) {
    dropped = CompareWithHalf(static_cast<std::uint32_t>(digits[keep] - '0'), 5, keep + 1 < count);
  }
  count = static_cast<int>(std::max(0LL, keep));
  const bool odd = count > 0 && (digits[count - 1] - '0') % 2 == 1;
  if (RoundsUp(rule, dropped, odd)) RoundUp();
  DropTrailingZeros();
}

void DecimalDigits::RoundUp() {
  int i = count;
  while (i > 0 && digits[i - 1] == '9') --i;
  if (i == 0) {
    // All nines, or no digit kept: the carry makes a new first digit one place up.
    digits[0] = '1';
    count = 1;
    ++exponent;
    return;
  }
  ++digits[i - 1];
  count = i;
}

void DecimalDigits::DropTrailingZeros() {
  while (count > 0 && digits[count - 1] == '0') --count;
}

DecimalDigits DigitsOf(const DecimalNumber& value) {
  DecimalDigits result;
  result.negative = value.IsNegative();
  if (value.IsZero()) return result;
  result.count = MagnitudeOf(value).WriteDigits(result.digits);
  result.exponent = result.count - 1 - value.Scale();
  result.DropTrailingZeros();
  return result;
}

DecimalDigits FifteenDigitsOf(double value) {
  DecimalDigits result;
  result.negative = std::signbit(value);
  if (value == 0) return result;
  const double magnitude = std::fabs(value);
  if (!RoundByScaling(magnitude, result)) RoundByPrinting(magnitude, result);
  result.DropTrailingZeros();
  return result;
}

char* WritePlain(const DecimalDigits& value, char* out) {
  if (value.IsZero()) {
    *out++ = '0';
    return out;
  }
  if (value.exponent < 0) {
    *out++ = '0';
    *out++ = '.';
    out = std::fill_n(out, -value.exponent - 1, '0');
    return std::copy_n(value.digits, value.count, out);
  }
  const int whole = value.exponent + 1;
  if (value.count <= whole) {
    out = std::copy_n(value.digits, value.count, out);
    return std::fill_n(out, whole - value.count, '0');
  }
  out = std::copy_n(value.digits, whole, out);
  *out++ = '.';
  return std::copy_n(value.digits + whole, value.count - whole, out);
}

}  // namespace worthmere::numbers_detail
