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

// Writes the digits of the powers of ten from `high` down to `low`, zeros outside the value's
// significant digits, and returns the end.
char* WriteDigits(const numbers_internal::DecimalDigits& value, long long high, long long low,
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

std::string Format(numbers_internal::DecimalDigits value, std::string_view pattern_text) {
  const Pattern pattern = ReadPattern(pattern_text);
  numbers_internal::RoundAwayFromZero(&value, pattern.max_decimals);

  const long long natural_whole = value.IsZero() ? 0 : std::max(0LL, value.exponent + 1LL);
  const long long whole = std::max(natural_whole, static_cast<long long>(pattern.min_whole_digits));
  const long long natural_fraction =
      value.IsZero() ? 0 : std::max(0LL, value.count - 1LL - value.exponent);
  const long long fraction =
      pattern.has_point ? std::max(natural_fraction, static_cast<long long>(pattern.min_decimals))
                        : 0;
  // A value that rounds to zero is written without its sign.
  const bool minus = value.negative && !value.IsZero();
  const long long groups = pattern.grouped && whole > 0 ? (whole - 1) / 3 : 0;

  std::string out(static_cast<std::size_t>(minus + whole + groups + pattern.has_point + fraction) +
                      pattern.prefix.size() + pattern.suffix.size(),
                  '\0');
  char* p = out.data();
  if (minus) *p++ = '-';
  p = std::copy(pattern.prefix.begin(), pattern.prefix.end(), p);
  // The whole part in groups of three counted from the point: the first may be shorter.
  long long group = pattern.grouped ? (whole - 1) % 3 + 1 : whole;
  for (long long power = whole - 1; power >= 0; group = 3) {
    p = WriteDigits(value, power, power - group + 1, p);
    power -= group;
    if (power >= 0) *p++ = ',';
  }
  if (pattern.has_point) {
    *p++ = '.';
    p = WriteDigits(value, -1, -fraction, p);
  }
  std::copy(pattern.suffix.begin(), pattern.suffix.end(), p);
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
