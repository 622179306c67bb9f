#include "valuation/numbers/text_to_number.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>

#include "valuation/numbers/decimal_rounding.h"
#include "valuation/numbers/wide_uint.h"

namespace worthmere {

namespace {

// Exponents are saturated here: far beyond both ranges, far below the integer limits.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000'000;

// A number of at most 19 digits, so that all of them, leading zeros included, make one integer
// below 2^64: digits times 10^power.
struct ShortNumber {
  bool negative = false;
  std::uint64_t digits = 0;
  std::int64_t power = 0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::size_t kShortDigits = 19;

// Appends the run of digits at `p` to `digits` and returns where the run ends. Past 19 digits the
// integer wraps; callers count the digits and do not use it then.
const char* ReadDigitRun(const char* p, const char* end, std::uint64_t* digits) {
  std::uint64_t value = *digits;
  for (; p != end; ++p) {
    const auto digit = static_cast<unsigned char>(*p - '0');
    if (digit > 9) break;
    value = value * 10 + digit;
  }
  *digits = value;
  return p;
}

// Most typed figures, and every text the program writes itself, are plain: an optional minus,
// digits and an optional point, nothing else. Reading those needs no general scan.
std::optional<ShortNumber> ReadShortPlain(std::string_view text) {
  // A minus, the digits and the point.
  if (text.size() > kShortDigits + 2) return std::nullopt;
  const char* p = text.data();
  const char* const end = p + text.size();
  ShortNumber out;
  if (p != end && *p == '-') {
    out.negative = true;
    ++p;
  }
  const char* const whole_end = ReadDigitRun(p, end, &out.digits);
  std::ptrdiff_t count = whole_end - p;
  p = whole_end;
  if (p != end && *p == '.') {
    const char* const fraction_end = ReadDigitRun(++p, end, &out.digits);
    out.power = -(fraction_end - p);
    count -= out.power;
    p = fraction_end;
  }
  if (p != end || count == 0 || count > static_cast<std::ptrdiff_t>(kShortDigits)) {
    return std::nullopt;
  }
  return out;
}

// The parts of a text that has the accepted form.
struct ScannedNumber {
  bool negative = false;
  std::string_view whole;     // digits, with single commas between digits
  std::string_view fraction;  // digits
  std::int64_t exponent = 0;  // saturated at +-kExponentLimit
  std::int64_t whole_digits = 0;

  std::int64_t DigitCount() const {
    return whole_digits + static_cast<std::int64_t>(fraction.size());
  }
  bool IsShort() const { return DigitCount() <= static_cast<std::int64_t>(kShortDigits); }
  ShortNumber Short() const {
    assert(IsShort());
    ShortNumber out{negative, 0, LastPower()};
    ForEachDigit([&out](char c) {
      out.digits = out.digits * 10 + static_cast<std::uint64_t>(c - '0');
      return true;
    });
    return out;
  }
  // The power of ten of the last digit.
  std::int64_t LastPower() const { return exponent - static_cast<std::int64_t>(fraction.size()); }
  // Calls `visit` with each digit of the whole part, then of the fraction, until it returns false.
  template <typename Visit>
  void ForEachDigit(Visit visit) const {
    for (char c : whole) {
      if (c != ',' && !visit(c)) return;
    }
    for (char c : fraction) {
      if (!visit(c)) return;
    }
  }
};

std::optional<ScannedNumber> Scan(std::string_view text) {
  const std::size_t n = text.size();
  std::size_t i = 0;
  ScannedNumber out;
  while (i < n && text[i] == ' ') ++i;

  bool has_sign = false;
  bool has_currency = false;
  for (; i < n; ++i) {
    if ((text[i] == '+' || text[i] == '-') && !has_sign) {
      has_sign = true;
      out.negative = text[i] == '-';
    } else if (text[i] == '$' && !has_currency) {
      has_currency = true;
    } else {
      break;
    }
  }

  const std::size_t whole_start = i;
  while (i < n && IsDigit(text[i])) {
    ++i;
    ++out.whole_digits;
    if (i + 1 < n && text[i] == ',' && IsDigit(text[i + 1])) ++i;
  }
  out.whole = text.substr(whole_start, i - whole_start);

  if (i < n && text[i] == '.') {
    const std::size_t fraction_start = ++i;
    while (i < n && IsDigit(text[i])) ++i;
    out.fraction = text.substr(fraction_start, i - fraction_start);
  }
  if (out.whole.empty() && out.fraction.empty()) return std::nullopt;

  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool negative_exponent = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative_exponent = text[i++] == '-';
    if (i == n || !IsDigit(text[i])) return std::nullopt;
    std::int64_t exponent = 0;
    for (; i < n && IsDigit(text[i]); ++i) {
      exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentLimit);
    }
    out.exponent = negative_exponent ? -exponent : exponent;
  }

  while (i < n && text[i] == ' ') ++i;
  if (i != n) return std::nullopt;
  return out;
}

// A short text without commas, "$" or "+" is often a number std::from_chars can read as it
// stands: once the first character after an optional minus is a digit or the point (never "inf"
// or "nan"), what it accepts is exactly the accepted form. Anything else, and values out of
// range, take the general way.
std::optional<double> ReadPlainNumber(std::string_view text) {
  constexpr std::size_t kShort = 64;
  if (text.size() > kShort) return std::nullopt;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && *p == ' ') ++p;
  const char* first = p != end && *p == '-' ? p + 1 : p;
  if (first == end || !(IsDigit(*first) || *first == '.')) return std::nullopt;
  double value = 0;
  const auto parsed = std::from_chars(p, end, value);
  if (parsed.ec != std::errc()) return std::nullopt;
  const char* rest = parsed.ptr;
  while (rest != end && *rest == ' ') ++rest;
  if (rest != end) return std::nullopt;
  return value;
}

// The powers of ten that are exact doubles.
constexpr double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The nearest double when the digits and the power of ten are both exact doubles: then one
// correctly rounded multiplication or division gives it.
std::optional<double> ExactShortDouble(const ShortNumber& number) {
  constexpr std::uint64_t kExactIntegers = std::uint64_t{1} << 53;
  constexpr std::int64_t kMaxPower = std::size(kExactPow10) - 1;
  const std::int64_t power = number.power;
  if (power < -kMaxPower || power > kMaxPower || number.digits > kExactIntegers) {
    return std::nullopt;
  }
  const auto magnitude = static_cast<double>(number.digits);
  const double value = power < 0 ? magnitude / kExactPow10[-power] : magnitude * kExactPow10[power];
  return number.negative ? -value : value;
}

// A short number as a decimal, when its power of ten is a scale the type has.
std::optional<DecimalNumber> ShortDecimal(const ShortNumber& number) {
  // Zero, as below, is positive with no decimals.
  if (number.digits == 0) return DecimalNumber();
  if (number.power > 0 || number.power < -DecimalNumber::kMaxScale) return std::nullopt;
  return *DecimalNumber::FromParts(number.negative, number.digits, 0,
                                   static_cast<int>(-number.power));
}

}  // namespace

NumberResult<double> TextToDouble(std::string_view text) {
  if (const auto plain = ReadShortPlain(text)) {
    if (const std::optional<double> value = ExactShortDouble(*plain)) return *value;
  }
  if (const std::optional<double> value = ReadPlainNumber(text)) return *value;
  const std::optional<ScannedNumber> scanned = Scan(text);
  if (!scanned) return NumberError::NotANumber;
  if (scanned->IsShort()) {
    if (const std::optional<double> value = ExactShortDouble(scanned->Short())) return *value;
  }

  // The general way: the parser gets the significant digits and a plain exponent. Digits beyond
  // the 800th never change the nearest double (the 767th can), provided a dropped non-zero tail
  // still shows: it becomes one extra digit 1.
  constexpr int kMaxDigits = 800;
  char buffer[kMaxDigits + 16];
  char* p = buffer;
  if (scanned->negative) *p++ = '-';
  int kept = 0;
  std::int64_t index = 0;
  std::int64_t last_index = 0;
  bool dropped_nonzero = false;
  scanned->ForEachDigit([&](char c) {
    if (kept < kMaxDigits) {
      if (kept > 0 || c != '0') {
        *p++ = c;
        ++kept;
        last_index = index;
      }
    } else if (c != '0') {
      dropped_nonzero = true;
      return false;
    }
    ++index;
    return true;
  });
  if (kept == 0) return scanned->negative ? -0.0 : 0.0;
  if (dropped_nonzero) {
    *p++ = '1';
    ++kept;
    ++last_index;
  }
  // The power of ten of the last digit written, clamped where the outcome no longer changes.
  const std::int64_t power = std::clamp<std::int64_t>(
      scanned->whole_digits - 1 - last_index + scanned->exponent, -100'000, 100'000);
  *p++ = 'e';
  p = std::to_chars(p, buffer + sizeof buffer, power).ptr;

  double value = 0;
  const auto parsed = std::from_chars(buffer, p, value);
  if (parsed.ec == std::errc::result_out_of_range) {
    // Out of range both ways: too large is an error, too small reads as zero.
    if (kept - 1 + power > 0) return NumberError::Overflow;
    return scanned->negative ? -0.0 : 0.0;
  }
  if (parsed.ec != std::errc()) return NumberError::NotANumber;
  return value;
}

NumberResult<DecimalNumber> TextToDecimal(std::string_view text) {
  if (const auto plain = ReadShortPlain(text)) {
    if (const std::optional<DecimalNumber> value = ShortDecimal(*plain)) return *value;
  }
  const std::optional<ScannedNumber> scanned = Scan(text);
  if (!scanned) return NumberError::NotANumber;
  if (scanned->IsShort()) {
    if (const std::optional<DecimalNumber> value = ShortDecimal(scanned->Short())) return *value;
  }

  std::int64_t leading_zeros = 0;
  scanned->ForEachDigit([&](char c) {
    if (c != '0') return false;
    ++leading_zeros;
    return true;
  });
  const std::int64_t significant = scanned->DigitCount() - leading_zeros;
  if (significant == 0) return DecimalNumber();
  const std::int64_t last_power =
      scanned->exponent - static_cast<std::int64_t>(scanned->fraction.size());
  const std::int64_t first_power = last_power + significant - 1;
  // 10^29 is above 2^96 - 1.
  if (first_power >= 29) return NumberError::Overflow;
  // More digits than the type holds are rounded half to even from the exact text. Keep the
  // digits down to 10^-29, one below the finest the type holds, and at most 30 (more than
  // 2^96 - 1 has), so the rounding always drops a digit when a non-zero tail is cut off.
  const std::int64_t keep = std::min<std::int64_t>({significant, first_power + 30, 30});
  if (keep <= 0) return DecimalNumber();

  numbers_internal::WideUint magnitude;
  std::int64_t seen = 0;
  std::int64_t taken = 0;
  bool sticky = false;
  scanned->ForEachDigit([&](char c) {
    if (seen++ < leading_zeros) return true;
    if (taken < keep) {
      magnitude.MultiplyAdd(10, static_cast<std::uint32_t>(c - '0'));
      ++taken;
      return true;
    }
    if (c != '0') {
      sticky = true;
      return false;
    }
    return true;
  });
  const std::int64_t kept_last_power = first_power - keep + 1;
  if (kept_last_power >= 0) {
    magnitude.MultiplyPow10(static_cast<int>(kept_last_power));
    return numbers_internal::RoundToDecimal(scanned->negative, magnitude, 0, sticky);
  }
  return numbers_internal::RoundToDecimal(scanned->negative, magnitude,
                                          static_cast<int>(-kept_last_power), sticky);
}

}  // namespace worthmere
