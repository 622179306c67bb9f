#include "valuation/numbers/format_number.h"

#include <algorithm>
#include <cmath>

#include "valuation/numbers/detail/decimal_digits.h"
#include "valuation/numbers/number_to_text.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere {

namespace {

// Writes the digits of the powers of ten from `high` down to `low`, zeros outside the value's
// significant digits, and returns the end.
char* WriteDigits(const numbers_detail::DecimalDigits& value, long long high, long long low,
                  char* out) {
  if (high < low) return out;
  const long long last = value.exponent - value.count + 1;
  const long long digits_high = std::min(high, static_cast<long long>(value.exponent));
  const long long digits_low = std::max(low, last);
  if (digits_high < digits_low) return std::fill_n(out, high - low + 1, '0');
  out = std::fill_n(out, high - digits_high, '0');
  out =
      std::copy_n(value.digits + (value.exponent - digits_high), digits_high - digits_low + 1, out);
  return std::fill_n(out, digits_low - low, '0');
}

std::string Format(numbers_detail::DecimalDigits& value, const NumberPattern& pattern) {
  value.RoundAt(-pattern.MaxDecimals(), Rounding::HalfAwayFromZero);

  const long long natural_whole = value.IsZero() ? 0 : std::max(0LL, value.exponent + 1LL);
  const long long whole = std::max(natural_whole, static_cast<long long>(pattern.MinWholeDigits()));
  const long long natural_fraction =
      value.IsZero() ? 0 : std::max(0LL, value.count - 1LL - value.exponent);
  const long long fraction =
      pattern.HasPoint() ? std::max(natural_fraction, static_cast<long long>(pattern.MinDecimals()))
                         : 0;
  // A value that rounds to zero is written without its sign.
  const bool minus = value.negative && !value.IsZero();
  const long long groups = pattern.Grouped() && whole > 0 ? (whole - 1) / 3 : 0;

  std::string out(static_cast<std::size_t>(minus + whole + groups + pattern.HasPoint() + fraction) +
                      pattern.Prefix().size() + pattern.Suffix().size(),
                  '\0');
  char* p = out.data();
  if (minus) *p++ = '-';
  p = std::copy(pattern.Prefix().begin(), pattern.Prefix().end(), p);
  // The whole part in groups of three counted from the point: the first may be shorter.
  long long group = pattern.Grouped() ? (whole - 1) % 3 + 1 : whole;
  for (long long power = whole - 1; power >= 0; group = 3) {
    p = WriteDigits(value, power, power - group + 1, p);
    power -= group;
    if (power >= 0) *p++ = ',';
  }
  if (pattern.HasPoint()) {
    *p++ = '.';
    p = WriteDigits(value, -1, -fraction, p);
  }
  std::copy(pattern.Suffix().begin(), pattern.Suffix().end(), p);
  return out;
}

}  // namespace

std::string FormatNumber(double value, const NumberPattern& pattern) {
  if (!std::isfinite(value)) return NumberToText(value);
  auto digits = numbers_detail::FifteenDigitsOf(value);
  return Format(digits, pattern);
}

std::string FormatNumber(const DecimalNumber& value, const NumberPattern& pattern) {
  auto digits = numbers_detail::DigitsOf(value);
  return Format(digits, pattern);
}

std::string FormatNumber(std::string_view text, const NumberPattern& pattern) {
  const NumberResult<double> number = TextToDouble(text);
  if (!number) return std::string(text);
  return FormatNumber(*number, pattern);
}

}  // namespace worthmere
