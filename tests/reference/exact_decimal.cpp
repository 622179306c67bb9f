#include "reference/exact_decimal.h"

#include <algorithm>
#include <cstddef>

#include "reference/digit_strings.h"

namespace worthmere::reference {
namespace {

const std::string kLargestMagnitude = "79228162514264337593543950335";  // 2^96 - 1

std::string Power10(int exponent) { return ShiftDigits("1", exponent); }

ExactValue AlignedSum(const DecimalNumber& a, const DecimalNumber& b, bool negate_b) {
  const int scale = std::max(a.Scale(), b.Scale());
  const std::string x = ShiftDigits(a.MagnitudeDigits(), scale - a.Scale());
  const std::string y = ShiftDigits(b.MagnitudeDigits(), scale - b.Scale());
  const bool x_negative = a.IsNegative();
  const bool y_negative = b.IsNegative() != negate_b;
  if (x_negative == y_negative) return {x_negative, AddDigits(x, y), Power10(scale)};
  if (CompareDigits(x, y) >= 0) return {x_negative, SubtractDigits(x, y), Power10(scale)};
  return {y_negative, SubtractDigits(y, x), Power10(scale)};
}

// magnitude / 10^scale in plain form, as NumberToText writes a DecimalNumber.
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
  return {value.IsNegative(), Normalized(value.MagnitudeDigits()), Power10(value.Scale())};
}

ExactValue ExactSum(const DecimalNumber& a, const DecimalNumber& b) {
  return AlignedSum(a, b, false);
}

ExactValue ExactDifference(const DecimalNumber& a, const DecimalNumber& b) {
  return AlignedSum(a, b, true);
}

ExactValue ExactProduct(const DecimalNumber& a, const DecimalNumber& b) {
  return {a.IsNegative() != b.IsNegative(),
          MultiplyDigits(a.MagnitudeDigits(), b.MagnitudeDigits()), Power10(a.Scale() + b.Scale())};
}

ExactValue ExactQuotient(const DecimalNumber& a, const DecimalNumber& b) {
  return {a.IsNegative() != b.IsNegative(), ShiftDigits(a.MagnitudeDigits(), b.Scale()),
          ShiftDigits(b.MagnitudeDigits(), a.Scale())};
}

int CompareExact(const DecimalNumber& a, const DecimalNumber& b) {
  const ExactValue difference = ExactDifference(a, b);
  if (difference.numerator == "0") return 0;
  return difference.negative ? -1 : 1;
}

std::string RoundedText(const ExactValue& value, int max_scale, Rounding rule) {
  if (Normalized(value.numerator) == "0") return "0";
  int scale = max_scale;
  while (scale >= 0) {
    std::string remainder;
    std::string magnitude =
        DivideDigits(ShiftDigits(value.numerator, scale), value.denominator, &remainder);
    const int half = CompareDigits(AddDigits(remainder, remainder), value.denominator);
    const bool odd = (magnitude.back() - '0') % 2 == 1;
    if (remainder != "0" && RoundsUp(rule, half, odd)) magnitude = AddDigits(magnitude, "1");
    if (CompareDigits(magnitude, kLargestMagnitude) <= 0) {
      return PlainText(value.negative, magnitude, scale);
    }
    // Each digit beyond the 29 of 2^96 - 1 must go before the magnitude can fit.
    scale -= std::max(1, static_cast<int>(magnitude.size()) - 29);
  }
  return "Overflow";
}

}  // namespace worthmere::reference
