#include "valuation/numbers/decimal_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "valuation/numbers/detail/decimal_digits.h"
#include "valuation/numbers/detail/decimal_magnitude.h"
#include "valuation/numbers/detail/double_reader.h"

namespace worthmere {

using numbers_detail::DecimalWide;
using numbers_detail::MagnitudeOf;
using numbers_detail::RoundToDecimal;

namespace {

// Both magnitudes at the larger of the two scales.
int AlignScales(const DecimalNumber& a, const DecimalNumber& b, DecimalWide* x, DecimalWide* y) {
  const int scale = std::max(a.Scale(), b.Scale());
  *x = MagnitudeOf(a);
  *y = MagnitudeOf(b);
  x->MultiplyPow10(scale - a.Scale());
  y->MultiplyPow10(scale - b.Scale());
  return scale;
}

// An exact quotient such as 1/4 is 0.25, not 0.2500...0: its zeros go nine at a time, then those
// counted in the last nine digits.
void DropTrailingZeros(DecimalWide* magnitude, int* scale) {
  while (*scale > 0) {
    DecimalWide shorter = *magnitude;
    std::uint32_t last_digits = shorter.DividePow10(9);
    if (last_digits == 0 && *scale >= 9) {
      *magnitude = shorter;
      *scale -= 9;
      continue;
    }
    int zeros = 0;
    for (; zeros < std::min(*scale, 8) && last_digits % 10 == 0; ++zeros) last_digits /= 10;
    magnitude->DividePow10(zeros);
    *scale -= zeros;
    return;
  }
}

// The fast way, for divisors below 2^32: a typical quotient in 40 ns instead of 90. Short
// division, whose remainders fit 64 bits, so nine quotient digits take one machine division. It
// goes on until the quotient is exact, has one decimal more than the type keeps or passes 96 bits;
// the rounding then drops what does not fit, knowing whether a remainder was left below it.
NumberResult<DecimalNumber> DivideByLimb(bool negative, DecimalWide dividend, int scale,
                                         std::uint32_t divisor) {
  std::uint64_t remainder = dividend.DivideSmall(divisor);
  if (remainder == 0) DropTrailingZeros(&dividend, &scale);
  while (remainder != 0 && scale <= DecimalNumber::kMaxScale && dividend.FitsMagnitude()) {
    int digits = std::min(9, DecimalNumber::kMaxScale + 1 - scale);
    const std::uint64_t extended = remainder * numbers_detail::kPow10[digits];
    auto next = static_cast<std::uint32_t>(extended / divisor);
    remainder = extended % divisor;
    for (; remainder == 0 && next % 10 == 0; --digits) next /= 10;
    dividend.MultiplyAdd(numbers_detail::kPow10[digits], next);
    scale += digits;
  }
  return RoundToDecimal(negative, dividend, scale, remainder != 0);
}

}  // namespace

std::optional<DecimalNumber> DecimalNumber::FromParts(bool negative, std::uint64_t magnitude_low,
                                                      std::uint32_t magnitude_high, int scale) {
  if (scale < 0 || scale > kMaxScale) return std::nullopt;
  DecimalNumber result;
  result.low_ = magnitude_low;
  result.high_ = magnitude_high;
  result.scale_ = scale;
  result.negative_ = negative && !result.IsZero();
  return result;
}

DecimalNumber DecimalNumber::FromInteger(std::int64_t value) {
  const std::uint64_t magnitude =
      value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : value;
  return *FromParts(value < 0, magnitude, 0, 0);
}

NumberResult<DecimalNumber> DecimalNumber::FromDouble(double value) {
  if (std::isnan(value)) return NumberError::NotANumber;
  if (std::isinf(value)) return NumberError::Overflow;
  const numbers_detail::DecimalDigits form = numbers_detail::FifteenDigitsOf(value);
  if (form.IsZero()) return DecimalNumber();
  // 10^29 is above 2^96 - 1.
  if (form.exponent >= 29) return NumberError::Overflow;
  DecimalWide magnitude;
  for (int i = 0; i < form.count; ++i) magnitude.MultiplyAdd(10, form.digits[i] - '0');
  const int last_power = form.exponent - form.count + 1;
  magnitude.MultiplyPow10(last_power);
  return RoundToDecimal(form.negative, magnitude, std::max(0, -last_power), false);
}

std::string DecimalNumber::MagnitudeDigits() const {
  char digits[numbers_detail::DecimalDigits::kCapacity];
  return std::string(digits, MagnitudeOf(*this).WriteDigits(digits));
}

double DecimalNumber::ToDouble() const {
  // The digits and the scale read by a correctly rounding parser give the nearest double at once.
  char text[48];
  char* p = text;
  if (IsNegative()) *p++ = '-';
  p += MagnitudeOf(*this).WriteDigits(p);
  *p++ = 'e';
  p = std::to_chars(p, text + sizeof text, -scale_).ptr;
  double result = 0;
  numbers_detail::ReadDouble(text, p, result);
  return result;
}

DecimalNumber DecimalNumber::Negated() const {
  DecimalNumber result = *this;
  result.negative_ = !negative_ && !IsZero();
  return result;
}

DecimalNumber DecimalNumber::RoundedTo(int decimals, Rounding rule) const {
  // Dropping digits from a 96-bit magnitude leaves room for the carry of rounding up.
  return *RoundToDecimal(IsNegative(), MagnitudeOf(*this), scale_, false, rule,
                         std::clamp(decimals, 0, kMaxScale));
}

std::strong_ordering operator<=>(const DecimalNumber& a, const DecimalNumber& b) {
  if (a.IsNegative() != b.IsNegative()) {
    return a.IsNegative() ? std::strong_ordering::less : std::strong_ordering::greater;
  }
  DecimalWide x;
  DecimalWide y;
  AlignScales(a, b, &x, &y);
  return a.IsNegative() ? y <=> x : x <=> y;
}

NumberResult<DecimalNumber> Add(const DecimalNumber& a, const DecimalNumber& b) {
  DecimalWide x;
  DecimalWide y;
  const int scale = AlignScales(a, b, &x, &y);
  if (a.IsNegative() == b.IsNegative()) {
    return RoundToDecimal(a.IsNegative(), DecimalWide::Add(x, y), scale, false);
  }
  if (x >= y) return RoundToDecimal(a.IsNegative(), DecimalWide::Subtract(x, y), scale, false);
  return RoundToDecimal(b.IsNegative(), DecimalWide::Subtract(y, x), scale, false);
}

NumberResult<DecimalNumber> Subtract(const DecimalNumber& a, const DecimalNumber& b) {
  return Add(a, b.Negated());
}

NumberResult<DecimalNumber> Multiply(const DecimalNumber& a, const DecimalNumber& b) {
  return RoundToDecimal(a.IsNegative() != b.IsNegative(),
                        DecimalWide::MultiplyMagnitudes(a.MagnitudeLow(), a.MagnitudeHigh(),
                                                        b.MagnitudeLow(), b.MagnitudeHigh()),
                        a.Scale() + b.Scale(), false);
}

NumberResult<DecimalNumber> Divide(const DecimalNumber& a, const DecimalNumber& b) {
  if (b.IsZero()) return NumberError::DivideByZero;
  const bool negative = a.IsNegative() != b.IsNegative();
  DecimalWide dividend = MagnitudeOf(a);
  if (b.MagnitudeHigh() == 0 && b.MagnitudeLow() <= UINT32_MAX) {
    const int shift = std::max(0, b.Scale() - a.Scale());
    dividend.MultiplyPow10(shift);
    return DivideByLimb(negative, dividend, shift + a.Scale() - b.Scale(),
                        static_cast<std::uint32_t>(b.MagnitudeLow()));
  }
  const DecimalWide divisor = MagnitudeOf(b);
  // The quotient of dividend * 10^shift has the scale shift + a's scale - b's scale. With one
  // decimal more than the type keeps, or 97 bits, the rounding drops at least one digit and sees
  // whether a remainder lies below it.
  const int bits_to_add = 97 + divisor.BitLength() - dividend.BitLength();
  const int shift_for_bits = static_cast<int>(bits_to_add * numbers_detail::kLog10Of2Above) + 1;
  const int shift = std::clamp(shift_for_bits, std::max(0, b.Scale() - a.Scale()),
                               DecimalNumber::kMaxScale + 1 + b.Scale() - a.Scale());
  dividend.MultiplyPow10(shift);
  DecimalWide remainder;
  DecimalWide quotient = DecimalWide::Divide(dividend, divisor, &remainder);
  int scale = shift + a.Scale() - b.Scale();
  if (remainder.IsZero()) DropTrailingZeros(&quotient, &scale);
  return RoundToDecimal(negative, quotient, scale, !remainder.IsZero());
}

}  // namespace worthmere
