#include "valuation/numbers/significant_digits.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace worthmere::numbers_internal {

namespace {

constexpr int kDigits = 15;

// Reads "d.ddde+xx" as written by std::to_chars in scientific form; drops trailing zeros.
void ReadScientific(const char* first, const char* last, SignificantDigits* out) {
  out->count = 0;
  const char* p = first;
  for (; p != last && *p != 'e'; ++p) {
    if (*p != '.' && out->count < static_cast<int>(sizeof out->digits)) {
      out->digits[out->count++] = *p;
    }
  }
  int exponent = 0;
  if (p != last) {
    const bool negative = p[1] == '-';
    for (p += 2; p != last; ++p) exponent = exponent * 10 + (*p - '0');
    if (negative) exponent = -exponent;
  }
  out->exponent = exponent;
  while (out->count > 0 && out->digits[out->count - 1] == '0') --out->count;
}

// True when the exact binary value has exactly 16 significant digits ending in 5, a tie for the
// 15-digit rounding. Fills `out` with the first 15 of them and their exponent.
bool ExactTieDigits(double magnitude, SignificantDigits* out) {
  int binary_exponent = 0;
  std::frexp(magnitude, &binary_exponent);
  // The value is an integer mantissa times 2^q; it has at most -q decimals, so this print is exact.
  const int q = binary_exponent - DBL_MANT_DIG;
  char buffer[1600];
  const auto printed = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                     std::chars_format::fixed, q < 0 ? -q : 0);
  if (printed.ec != std::errc()) return false;
  const char* point = std::find(buffer, printed.ptr, '.');
  int count = 0;
  int first_position = 0;  // digits between the first significant digit and the point
  char digits[17];
  for (const char* p = buffer; p != printed.ptr; ++p) {
    if (*p == '.' || (count == 0 && *p == '0')) continue;
    if (count == 0) first_position = static_cast<int>(point - p) - (p < point ? 1 : 0);
    if (count == 17) {
      if (*p != '0') return false;
      continue;
    }
    digits[count++] = *p;
  }
  while (count > 0 && digits[count - 1] == '0') --count;
  if (count != kDigits + 1 || digits[kDigits] != '5') return false;
  std::memcpy(out->digits, digits, kDigits);
  out->count = kDigits;
  out->exponent = first_position;
  return true;
}

// The powers of ten that are exact doubles.
constexpr double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The rounding for a double below 10^15: scaled by the most decimals k <= 22 that keep it below
// 10^15, it has 15 digits before the point. 10^k is an exact double, so the product is exact to
// within 1/16, its half unit below 2^50; unless its fraction lies that near a half, rounding it to
// an integer rounds the exact product alike. False for values too small, too large or too near a
// half for this.
bool RoundByScaling(double magnitude, SignificantDigits* out) {
  constexpr double kLimit = 1e15;
  constexpr double kDoubt = 0.125;
  if (magnitude >= kLimit) return false;
  // The product grows with the power, so the most decimals is found by halving the range.
  int decimals = 0;
  for (int step = 16; step > 0; step /= 2) {
    const int next = decimals + step;
    if (next < static_cast<int>(std::size(kExactPow10)) && magnitude * kExactPow10[next] < kLimit) {
      decimals = next;
    }
  }
  const double scaled = magnitude * kExactPow10[decimals];
  // Above 10^14 by at least one unit in the last place, so the exact product is too.
  if (!(scaled > kLimit / 10)) return false;
  const auto whole = static_cast<std::uint64_t>(scaled);
  const double fraction = scaled - static_cast<double>(whole);
  if (std::abs(fraction - 0.5) <= kDoubt) return false;
  const std::uint64_t digits = whole + (fraction > 0.5 ? 1 : 0);
  // 16 characters for 10^15, when the rounding carries.
  out->count = static_cast<int>(
      std::to_chars(out->digits, out->digits + sizeof out->digits, digits).ptr - out->digits);
  out->exponent = out->count - 1 - decimals;
  while (out->count > 0 && out->digits[out->count - 1] == '0') --out->count;
  return true;
}

// Adds one unit in the place of the last digit kept, carrying to a new leading digit when needed.
void RoundUpInMagnitude(SignificantDigits* out) {
  int i = out->count - 1;
  while (i >= 0 && out->digits[i] == '9') --i;
  if (i < 0) {
    out->digits[0] = '1';
    out->count = 1;
    ++out->exponent;
    return;
  }
  ++out->digits[i];
  out->count = i + 1;
}

}  // namespace

SignificantDigits RoundTo15Digits(double value) {
  SignificantDigits result;
  result.negative = std::signbit(value);
  if (value == 0) return result;
  const double magnitude = std::fabs(value);
  if (RoundByScaling(magnitude, &result)) return result;
  char buffer[40];

  // The shortest form that reads back as the same double: with 15 digits or fewer it is already
  // the 15-digit rounding, as the 15-digit grid is coarser than a normal double's spacing.
  const auto shortest =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
  ReadScientific(buffer, shortest.ptr, &result);
  const bool subnormal = magnitude < DBL_MIN;
  if (!subnormal) {
    if (result.count <= kDigits) return result;
    // The shortest form lies within half a unit in the last place of the double: less than 1.12
    // units of a 16th digit, 11.2 of a 17th. Digits after the 15th clearly away from the half
    // decide the rounding as they stand.
    int tail = result.digits[kDigits] - '0';
    int half = 5;
    int margin = 1;
    if (result.count == kDigits + 2) {
      tail = tail * 10 + (result.digits[kDigits + 1] - '0');
      half = 50;
      margin = 11;
    }
    if (std::abs(tail - half) > margin) {
      result.count = kDigits;
      if (tail > half) {
        RoundUpInMagnitude(&result);
      } else {
        while (result.count > 0 && result.digits[result.count - 1] == '0') --result.count;
      }
      return result;
    }
  }

  // Only an exact tie makes the correctly rounded print differ from half away from zero; for a
  // normal double it shows as a shortest form of exactly 16 digits ending in 5.
  const bool may_tie = subnormal || (result.count == kDigits + 1 && result.digits[kDigits] == '5');
  if (may_tie && ExactTieDigits(magnitude, &result)) {
    RoundUpInMagnitude(&result);
    return result;
  }
  const auto rounded = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                     std::chars_format::scientific, kDigits - 1);
  ReadScientific(buffer, rounded.ptr, &result);
  return result;
}

}  // namespace worthmere::numbers_internal
