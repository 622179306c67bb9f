#include "fuzz/decimal_reference.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace worthmere::fuzz {
namespace {

// Plain schoolbook arithmetic on decimal digits, least significant first, without leading zeros
// (zero is empty): slow to write, easy to trust, and in another base than the code under test.
using Digits = std::vector<std::uint8_t>;

void Trim(Digits& a) {
  while (!a.empty() && a.back() == 0) a.pop_back();
}

Digits FromText(const std::string& text) {
  Digits a(text.rbegin(), text.rend());
  for (auto& digit : a) digit = static_cast<std::uint8_t>(digit - '0');
  Trim(a);
  return a;
}

std::string ToText(const Digits& a) {
  if (a.empty()) return "0";
  std::string text;
  for (auto it = a.rbegin(); it != a.rend(); ++it) text.push_back(static_cast<char>('0' + *it));
  return text;
}

Digits PowerOfTen(int exponent) {
  const auto zeros = static_cast<std::size_t>(std::max(exponent, 0));
  Digits a(zeros, 0);
  a.push_back(1);
  return a;
}

Digits Shifted(Digits a, int powers_of_ten) {
  if (!a.empty()) a.insert(a.begin(), static_cast<std::size_t>(powers_of_ten), 0);
  return a;
}

int Compare(const Digits& a, const Digits& b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  for (std::size_t i = a.size(); i-- > 0;) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  }
  return 0;
}

Digits Add(const Digits& a, const Digits& b) {
  Digits sum;
  int carry = 0;
  for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry != 0; ++i) {
    const int digit = (i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0) + carry;
    sum.push_back(static_cast<std::uint8_t>(digit % 10));
    carry = digit / 10;
  }
  return sum;
}

// a -= b, for a >= b.
void SubtractInPlace(Digits& a, const Digits& b) {
  int borrow = 0;
  for (std::size_t i = 0; i < a.size() && (i < b.size() || borrow != 0); ++i) {
    int digit = a[i] - (i < b.size() ? b[i] : 0) - borrow;
    borrow = digit < 0 ? 1 : 0;
    a[i] = static_cast<std::uint8_t>(digit + 10 * borrow);
  }
  Trim(a);
}

Digits Multiply(const Digits& a, const Digits& b) {
  if (a.empty() || b.empty()) return {};
  std::vector<int> cells(a.size() + b.size(), 0);
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < b.size(); ++j) cells[i + j] += a[i] * b[j];
  }
  Digits product;
  int carry = 0;
  for (int cell : cells) {
    const int digit = cell + carry;
    product.push_back(static_cast<std::uint8_t>(digit % 10));
    carry = digit / 10;
  }
  Trim(product);
  return product;
}

// Long division, one quotient digit at a time by repeated subtraction.
Digits Divide(const Digits& numerator, const Digits& denominator, Digits* remainder) {
  Digits quotient(numerator.size(), 0);
  Digits rest;
  for (std::size_t i = numerator.size(); i-- > 0;) {
    rest.insert(rest.begin(), numerator[i]);
    Trim(rest);
    while (Compare(rest, denominator) >= 0) {
      SubtractInPlace(rest, denominator);
      ++quotient[i];
    }
  }
  Trim(quotient);
  *remainder = rest;
  return quotient;
}

ExactValue Make(bool negative, const Digits& numerator, const Digits& denominator) {
  return {negative, ToText(numerator), ToText(denominator)};
}

ExactValue AlignedSum(const DecimalNumber& a, const DecimalNumber& b, bool negate_b) {
  const int scale = std::max(a.Scale(), b.Scale());
  const Digits x = Shifted(FromText(a.MagnitudeDigits()), scale - a.Scale());
  const Digits y = Shifted(FromText(b.MagnitudeDigits()), scale - b.Scale());
  const bool x_negative = a.IsNegative();
  const bool y_negative = b.IsNegative() != negate_b;
  if (x_negative == y_negative) return Make(x_negative, Add(x, y), PowerOfTen(scale));
  Digits difference = Compare(x, y) >= 0 ? x : y;
  SubtractInPlace(difference, Compare(x, y) >= 0 ? y : x);
  return Make(Compare(x, y) >= 0 ? x_negative : y_negative, difference, PowerOfTen(scale));
}

std::string PlainText(bool negative, std::string digits, int scale) {
  if (digits == "0") return "0";
  const auto decimals = static_cast<std::size_t>(scale);
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  const std::string whole = digits.substr(0, digits.size() - decimals);
  std::string fraction = digits.substr(whole.size());
  const auto last = fraction.find_last_not_of('0');
  fraction.resize(last == std::string::npos ? 0 : last + 1);
  return (negative ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

bool RoundsUp(Rounding rule, int half_comparison, bool odd) {
  if (rule == Rounding::HalfAwayFromZero) return half_comparison >= 0;
  return half_comparison > 0 || (half_comparison == 0 && odd);
}

}  // namespace

ExactValue ExactOf(const DecimalNumber& value) {
  return Make(value.IsNegative(), FromText(value.MagnitudeDigits()), PowerOfTen(value.Scale()));
}

ExactValue ExactSum(const DecimalNumber& a, const DecimalNumber& b) {
  return AlignedSum(a, b, false);
}

ExactValue ExactDifference(const DecimalNumber& a, const DecimalNumber& b) {
  return AlignedSum(a, b, true);
}

ExactValue ExactProduct(const DecimalNumber& a, const DecimalNumber& b) {
  return Make(a.IsNegative() != b.IsNegative(),
              Multiply(FromText(a.MagnitudeDigits()), FromText(b.MagnitudeDigits())),
              PowerOfTen(a.Scale() + b.Scale()));
}

ExactValue ExactQuotient(const DecimalNumber& a, const DecimalNumber& b) {
  return Make(a.IsNegative() != b.IsNegative(), Shifted(FromText(a.MagnitudeDigits()), b.Scale()),
              Shifted(FromText(b.MagnitudeDigits()), a.Scale()));
}

int CompareExact(const DecimalNumber& a, const DecimalNumber& b) {
  const ExactValue difference = ExactDifference(a, b);
  if (difference.numerator == "0") return 0;
  return difference.negative ? -1 : 1;
}

std::string RoundedText(const ExactValue& value, int max_scale, Rounding rule) {
  static const Digits kLargestMagnitude = FromText("79228162514264337593543950335");  // 2^96 - 1
  const Digits numerator = FromText(value.numerator);
  const Digits denominator = FromText(value.denominator);
  if (numerator.empty()) return "0";
  int scale = max_scale;
  while (scale >= 0) {
    Digits remainder;
    Digits magnitude = Divide(Shifted(numerator, scale), denominator, &remainder);
    const int half = Compare(Add(remainder, remainder), denominator);
    const bool odd = !magnitude.empty() && magnitude.front() % 2 == 1;
    if (!remainder.empty() && RoundsUp(rule, half, odd)) magnitude = Add(magnitude, {1});
    if (Compare(magnitude, kLargestMagnitude) <= 0) {
      return PlainText(value.negative && !magnitude.empty(), ToText(magnitude), scale);
    }
    // Each digit beyond the 29 of 2^96 - 1 must go before the magnitude can fit.
    scale -= std::max(1, static_cast<int>(magnitude.size()) - 29);
  }
  return "Overflow";
}

}  // namespace worthmere::fuzz
