#include "valuation/numbers/decimal_digits.h"

namespace worthmere::numbers_internal {

namespace {

void DropTrailingZeros(DecimalDigits* value) {
  const auto last = value->digits.find_last_not_of('0');
  value->digits.resize(last == std::string::npos ? 0 : last + 1);
}

}  // namespace

DecimalDigits DigitsOf(const SignificantDigits& value) {
  DecimalDigits result;
  result.negative = value.negative;
  result.digits.assign(value.digits, value.count);
  result.exponent = value.exponent;
  return result;
}

DecimalDigits DigitsOf(const DecimalNumber& value) {
  DecimalDigits result;
  result.negative = value.IsNegative();
  if (value.IsZero()) return result;
  result.digits = value.MagnitudeDigits();
  result.exponent = static_cast<int>(result.digits.size()) - 1 - value.Scale();
  DropTrailingZeros(&result);
  return result;
}

void RoundAwayFromZero(DecimalDigits* value, int decimals) {
  // Digits from the first one down to the power -decimals stay.
  const long long keep = static_cast<long long>(value->exponent) + decimals + 1;
  if (keep >= static_cast<long long>(value->digits.size())) return;
  if (keep < 0) {
    value->digits.clear();
    return;
  }
  const bool up = value->digits[keep] >= '5';
  value->digits.resize(keep);
  if (up) {
    auto i = value->digits.size();
    while (i > 0 && value->digits[i - 1] == '9') value->digits[--i] = '0';
    if (i == 0) {
      // All nines, or nothing kept: the carry makes a new first digit one place up.
      value->digits.insert(value->digits.begin(), '1');
      ++value->exponent;
    } else {
      ++value->digits[i - 1];
    }
  }
  DropTrailingZeros(value);
}

void AppendPlain(const DecimalDigits& value, std::string* out) {
  if (value.IsZero()) {
    out->push_back('0');
    return;
  }
  const auto count = static_cast<long long>(value.digits.size());
  if (value.exponent < 0) {
    out->append("0.");
    out->append(static_cast<std::size_t>(-value.exponent - 1), '0');
    out->append(value.digits);
    return;
  }
  const long long whole = static_cast<long long>(value.exponent) + 1;
  if (count <= whole) {
    out->append(value.digits);
    out->append(static_cast<std::size_t>(whole - count), '0');
    return;
  }
  out->append(value.digits, 0, static_cast<std::size_t>(whole));
  out->push_back('.');
  out->append(value.digits, static_cast<std::size_t>(whole));
}

}  // namespace worthmere::numbers_internal
