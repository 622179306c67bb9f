#include "valuation/numbers/format_number.h"

#include <algorithm>
#include <cmath>

#include "valuation/numbers/decimal_digits.h"
#include "valuation/numbers/number_to_text.h"
#include "valuation/numbers/significant_digits.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere {

namespace {

// A pattern read by the general rule: literal characters, whole-part placeholders ("#", "0",
// "," for digit groups), then an optional point with fraction placeholders. Decimals up to the
// last fraction "0" are always written, those of the "#" after it only when not zero; characters
// after the placeholders are written after the number.
struct Pattern {
  std::string_view prefix;
  std::size_t min_whole_digits = 0;  // one per whole-part "0"
  bool grouped = false;
  bool has_point = false;
  int min_decimals = 0;
  int max_decimals = 0;
  std::string_view suffix;
};

bool IsWholePlaceholder(char c) { return c == '#' || c == '0' || c == ','; }

Pattern ReadPattern(std::string_view text) {
  Pattern pattern;
  std::size_t i = 0;
  while (i < text.size() && !IsWholePlaceholder(text[i]) && text[i] != '.') ++i;
  pattern.prefix = text.substr(0, i);
  for (; i < text.size() && IsWholePlaceholder(text[i]); ++i) {
    if (text[i] == '0') ++pattern.min_whole_digits;
    if (text[i] == ',') pattern.grouped = true;
  }
  if (i < text.size() && text[i] == '.') {
    pattern.has_point = true;
    for (++i; i < text.size() && (text[i] == '#' || text[i] == '0'); ++i) {
      ++pattern.max_decimals;
      if (text[i] == '0') pattern.min_decimals = pattern.max_decimals;
    }
  }
  pattern.suffix = text.substr(i);
  return pattern;
}

std::string Format(numbers_internal::DecimalDigits value, std::string_view pattern_text) {
  const Pattern pattern = ReadPattern(pattern_text);
  numbers_internal::RoundAwayFromZero(&value, pattern.max_decimals);

  // The digit of the rounded value at a power of ten, zero outside its significant digits.
  const long long count = static_cast<long long>(value.digits.size());
  auto digit_at = [&](long long power) {
    const long long index = value.exponent - power;
    return index >= 0 && index < count ? value.digits[static_cast<std::size_t>(index)] : '0';
  };
  const long long natural_whole = value.IsZero() ? 0 : std::max(0LL, value.exponent + 1LL);
  const long long whole = std::max(natural_whole, static_cast<long long>(pattern.min_whole_digits));
  const long long natural_fraction =
      value.IsZero() ? 0 : std::max(0LL, count - 1 - static_cast<long long>(value.exponent));
  const long long fraction =
      pattern.has_point ? std::max(natural_fraction, static_cast<long long>(pattern.min_decimals))
                        : 0;

  std::string out;
  out.reserve(pattern.prefix.size() + pattern.suffix.size() +
              static_cast<std::size_t>(whole + whole / 3 + fraction + 2));
  // A value that rounds to zero is written without its sign.
  if (value.negative && !value.IsZero()) out.push_back('-');
  out.append(pattern.prefix);
  for (long long power = whole - 1; power >= 0; --power) {
    out.push_back(digit_at(power));
    if (pattern.grouped && power > 0 && power % 3 == 0) out.push_back(',');
  }
  if (pattern.has_point) {
    out.push_back('.');
    for (long long place = 1; place <= fraction; ++place) out.push_back(digit_at(-place));
  }
  out.append(pattern.suffix);
  return out;
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern) {
  if (!std::isfinite(value)) return NumberToText(value);
  return Format(numbers_internal::DigitsOf(numbers_internal::RoundTo15Digits(value)), pattern);
}

std::string FormatNumber(const DecimalNumber& value, std::string_view pattern) {
  return Format(numbers_internal::DigitsOf(value), pattern);
}

std::string FormatNumber(std::string_view text, std::string_view pattern) {
  const NumberResult<double> number = TextToDouble(text);
  if (!number) return std::string(text);
  return FormatNumber(*number, pattern);
}

}  // namespace worthmere
