// FormatNumber on arbitrary texts with the nine patterns of the program (and, to prove it cannot
// fail, with arbitrary patterns). A text that is not a number must come back unchanged; a number
// must come out in the pattern's shape (sign, literal, digit groups, decimals), worth the value
// rounded half away from zero to the pattern's decimals, and formatting the result again must not
// change it.
//
// Input layout: the first byte picks the pattern ("0" to "8" the program's patterns in the order
// below, "*" an arbitrary pattern that runs to the first line feed, any other byte a program
// pattern by its value); the rest is the text.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "valuation/numbers/decimal_number.h"
#include "valuation/numbers/format_number.h"
#include "valuation/numbers/number_to_text.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere::fuzz {
namespace {

struct PatternShape {
  std::string_view pattern;
  std::string_view literal;  // written before the digits
  bool whole_zero;           // a zero whole part is written as "0"
  bool grouped;
  bool has_point;
  int decimals;
  bool fixed_decimals;  // "0" fraction placeholders: always all decimals
};

constexpr std::array<PatternShape, 9> kPatterns = {{
    {"###.0000", "", false, false, true, 4, true},
    {"###.00", "", false, false, true, 2, true},
    {"###.##", "", false, false, true, 2, false},
    {"###.0", "", false, false, true, 1, true},
    {"0.", "", true, false, true, 0, true},
    {"-0.", "-", true, false, true, 0, true},
    {".", "", false, false, true, 0, true},
    {"$###,###,###,###", "$", false, true, false, 0, true},
    {"###,###,###,###", "", false, true, false, 0, true},
}};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), IsDigit); }

// Digits in groups of three from the right, joined by commas; the first group has one to three.
bool ProperlyGrouped(std::string_view whole) {
  if (whole.empty()) return true;
  const std::size_t first = whole.find(',');
  if (first == std::string_view::npos) return whole.size() <= 3 && AllDigits(whole);
  if (first == 0 || first > 3 || !AllDigits(whole.substr(0, first))) return false;
  for (std::size_t at = first; at < whole.size(); at += 4) {
    if (whole.size() - at < 4 || whole[at] != ',' || !AllDigits(whole.substr(at + 1, 3))) {
      return false;
    }
  }
  return true;
}

std::string WithoutCommas(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c != ',') out.push_back(c);
  }
  return out;
}

// The formatted magnitude, "digits.digits", as a number; "" and "." are zero.
double MagnitudeOf(const std::string& digits) {
  if (digits.empty() || digits == ".") return 0.0;
  const NumberResult<double> value = TextToDouble(digits);
  return value ? *value : NAN;
}

void CheckShape(const PatternShape& shape, std::string_view text, double value,
                const std::string& out) {
  const std::string context = std::string(shape.pattern) + " | " + std::string(text) + " -> " + out;
  std::string_view rest = out;
  const bool minus = !rest.empty() && rest.front() == '-' &&
                     rest.substr(1).substr(0, shape.literal.size()) == shape.literal;
  if (minus) rest.remove_prefix(1);
  Require(rest.substr(0, shape.literal.size()) == shape.literal, "literal missing", context);
  rest.remove_prefix(shape.literal.size());

  const std::size_t point = rest.find('.');
  Require(shape.has_point == (point != std::string_view::npos), "decimal point wrong", context);
  const std::string_view whole = rest.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : rest.substr(point + 1);

  Require(shape.grouped ? ProperlyGrouped(whole) : AllDigits(whole), "whole part malformed",
          context);
  Require(AllDigits(fraction), "fraction malformed", context);
  Require(whole.empty() || whole.front() != '0' || (shape.whole_zero && whole == "0"),
          "leading zero in the whole part", context);
  Require(!shape.whole_zero || !whole.empty(), "zero whole part not written", context);
  if (shape.fixed_decimals) {
    Require(fraction.size() == static_cast<std::size_t>(shape.decimals), "decimals not all written",
            context);
  } else {
    Require(fraction.size() <= static_cast<std::size_t>(shape.decimals) &&
                (fraction.empty() || fraction.back() != '0'),
            "trailing zero decimals kept", context);
  }

  const double magnitude = MagnitudeOf(
      WithoutCommas(whole) + (point == std::string_view::npos ? "" : ".") + std::string(fraction));
  Require(minus == (value < 0 && magnitude > 0), "sign wrong", context);
  // Rounded at the pattern's decimals from the 15-digit form of the double.
  const double allowed =
      0.5 * std::pow(10.0, -shape.decimals) * (1 + 1e-9) + std::fabs(value) * 1e-14;
  Require(std::fabs(magnitude - std::fabs(value)) <= allowed, "formatted value is off", context);
}

// Significant digits of a decimal, trailing zeros included only inside the number.
std::size_t SignificantDigitCount(const DecimalNumber& value) {
  std::string digits = value.MagnitudeDigits();
  const auto first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  const auto last = digits.find_last_not_of('0');
  return last - first + 1;
}

// A decimal of at most 15 significant digits is its own 15-digit form, so formatting it exactly
// must agree with formatting the text, and be the decimal rounded half away from zero.
void CheckExactPath(const PatternShape& shape, std::string_view text, double value,
                    const std::string& out) {
  const NumberResult<DecimalNumber> decimal = TextToDecimal(text);
  if (!decimal || SignificantDigitCount(*decimal) > 15 || decimal->ToDouble() != value) return;
  const std::string context = std::string(shape.pattern) + " | " + std::string(text) + " -> " + out;
  Require(FormatNumber(*decimal, shape.pattern) == out, "decimal and text formatting differ",
          context);
  const DecimalNumber rounded = decimal->RoundedTo(shape.decimals, Rounding::HalfAwayFromZero);
  const std::string prefix = std::string(rounded.IsNegative() ? "-" : "").append(shape.literal);
  Require(out.compare(0, prefix.size(), prefix) == 0, "formatted decimal has the wrong sign",
          context);
  const std::string digits = WithoutCommas(std::string_view(out).substr(prefix.size()));
  const NumberResult<DecimalNumber> shown = digits.empty() || digits == "."
                                                ? NumberResult<DecimalNumber>(DecimalNumber())
                                                : TextToDecimal(digits);
  Require(shown.ok() && *shown == (rounded.IsNegative() ? rounded.Negated() : rounded),
          "formatted decimal is not the rounded value", context);
}

}  // namespace
}  // namespace worthmere::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace worthmere;
  using fuzz::Require;
  if (size == 0) return 0;
  const char selector = static_cast<char>(data[0]);
  std::string_view text = fuzz::AsText(data + 1, size - 1);

  if (selector == '*') {
    const auto [pattern, rest] = fuzz::SplitLines<2>(text);
    const std::string out = FormatNumber(rest, pattern);
    if (!TextToDouble(rest)) {
      Require(out == rest, "a text that is not a number was changed", rest);
    }
    return 0;
  }

  const std::size_t index = selector >= '0' && selector <= '8'
                                ? static_cast<std::size_t>(selector - '0')
                                : static_cast<std::size_t>(data[0]) % fuzz::kPatterns.size();
  const fuzz::PatternShape& shape = fuzz::kPatterns[index];
  const std::string out = FormatNumber(text, shape.pattern);
  const NumberResult<double> value = TextToDouble(text);
  if (!value) {
    Require(out == text, "a text that is not a number was changed", text);
    return 0;
  }
  fuzz::CheckShape(shape, text, *value, out);
  fuzz::CheckExactPath(shape, text, *value, out);
  if (shape.literal != "-") {
    Require(FormatNumber(out, shape.pattern) == out, "formatting again changed the text", out);
  }
  return 0;
}
