#include "valuation/numbers/number_to_text.h"

#include <cmath>
#include <cstdlib>

#include "valuation/numbers/decimal_digits.h"
#include "valuation/numbers/significant_digits.h"

namespace worthmere {

namespace {

// Exponent form: 1E+15, 1E-05, 1.23456789012346E+15.
void AppendExponentForm(const numbers_internal::DecimalDigits& value, std::string* out) {
  out->push_back(value.digits[0]);
  if (value.digits.size() > 1) {
    out->push_back('.');
    out->append(value.digits, 1);
  }
  out->push_back('E');
  out->push_back(value.exponent < 0 ? '-' : '+');
  const int exponent = std::abs(value.exponent);
  if (exponent < 10) out->push_back('0');
  out->append(std::to_string(exponent));
}

}  // namespace

std::string NumberToText(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  const numbers_internal::DecimalDigits digits =
      numbers_internal::DigitsOf(numbers_internal::RoundTo15Digits(value));
  if (digits.IsZero()) return "0";
  std::string out;
  if (digits.negative) out.push_back('-');
  if (digits.exponent >= -4 && digits.exponent <= 14) {
    numbers_internal::AppendPlain(digits, &out);
  } else {
    AppendExponentForm(digits, &out);
  }
  return out;
}

std::string NumberToText(const DecimalNumber& value) {
  const numbers_internal::DecimalDigits digits = numbers_internal::DigitsOf(value);
  std::string out;
  if (digits.negative) out.push_back('-');
  numbers_internal::AppendPlain(digits, &out);
  return out;
}

std::string NumberToText(std::int16_t value) { return std::to_string(value); }

}  // namespace worthmere
