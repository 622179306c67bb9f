#include "valuation/numbers/decimal_digits.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cstdint>

#include "valuation/numbers/decimal_rounding.h"

namespace worthmere::numbers_internal {

namespace {

void DropTrailingZeros(DecimalDigits* value) {
  while (value->count > 0 && value->digits[value->count - 1] == '0') --value->count;
}

}  // namespace

DecimalDigits DigitsOf(const SignificantDigits& value) {
  DecimalDigits result;
  result.negative = value.negative;
  result.count = value.count;
  std::copy_n(value.digits, value.count, result.digits);
  result.exponent = value.exponent;
  return result;
}

DecimalDigits DigitsOf(const DecimalNumber& value) {
  DecimalDigits result;
  result.negative = value.IsNegative();
  if (value.IsZero()) return result;
  if (value.MagnitudeHigh() == 0) {
    // Below 2^64 the trailing zeros go before the digits are written, so fewer are written.
    std::uint64_t magnitude = value.MagnitudeLow();
    int zeros = 0;
    for (; magnitude % 10 == 0; magnitude /= 10) ++zeros;
    result.count = static_cast<int>(
        std::to_chars(result.digits, result.digits + DecimalDigits::kCapacity, magnitude).ptr -
        result.digits);
    result.exponent = result.count + zeros - 1 - value.Scale();
    return result;
  }
  result.count = WriteMagnitudeDigits(value, result.digits);
  result.exponent = result.count - 1 - value.Scale();
  DropTrailingZeros(&result);
  return result;
}

void RoundAwayFromZero(DecimalDigits* value, int decimals) {
  // Digits from the first one down to the power -decimals stay.
  const long long keep = static_cast<long long>(value->exponent) + decimals + 1;
  if (keep >= value->count) return;
  if (keep < 0) {
    value->count = 0;
    return;
  }
  const bool up = value->digits[keep] >= '5';
  value->count = static_cast<int>(keep);
  if (up) {
    int i = value->count;
    while (i > 0 && value->digits[i - 1] == '9') --i;
    if (i == 0) {
      // All nines, or nothing kept: the carry makes a new first digit one place up.
      value->digits[0] = '1';
      value->count = 1;
      ++value->exponent;
      return;
    }
    ++value->digits[i - 1];
    value->count = i;
  }
  DropTrailingZeros(value);
}

char* WritePlain(const DecimalDigits& value, char* out) {
  if (value.IsZero()) {
    *out++ = '0';
    return out;
  }
  assert(value.exponent >= -29 && value.exponent <= 28);
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

}  // namespace worthmere::numbers_internal
