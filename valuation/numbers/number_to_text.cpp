#include "valuation/numbers/number_to_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "valuation/numbers/detail/decimal_digits.h"

namespace worthmere {

namespace {

// Exponent form: 1E+15, 1E-05, 1.23456789012346E+15.
char* WriteExponentForm(const numbers_detail::DecimalDigits& value, char* out) {
  *out++ = value.digits[0];
  if (value.count > 1) {
    *out++ = '.';
    out = std::copy_n(value.digits + 1, value.count - 1, out);
  }
  *out++ = 'E';
  *out++ = value.exponent < 0 ? '-' : '+';
  const int exponent = std::abs(value.exponent);
  if (exponent < 10) *out++ = '0';
  return std::to_chars(out, out + 3, exponent).ptr;
}

}  // namespace

std::string NumberToText(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  const numbers_detail::DecimalDigits digits = numbers_detail::FifteenDigitsOf(value);
  if (digits.IsZero()) return "0";
  // The sign, 15 digits, a point and "E+308" at most in exponent form.
  char buffer[32];
  char* p = buffer;
  if (digits.negative) *p++ = '-';
  if (digits.exponent >= -4 && digits.exponent <= 14) {
    p = numbers_detail::WritePlain(digits, p);
  } else {
    p = WriteExponentForm(digits, p);
  }
  return std::string(buffer, p);
}

std::string NumberToText(const DecimalNumber& value) {
  const numbers_detail::DecimalDigits digits = numbers_detail::DigitsOf(value);
  char buffer[1 + numbers_detail::kMaxPlainLength];
  char* p = buffer;
  if (digits.negative) *p++ = '-';
  p = numbers_detail::WritePlain(digits, p);
  return std::string(buffer, p);
}

std::string NumberToText(std::int16_t value) { return std::to_string(value); }

}  // namespace worthmere
