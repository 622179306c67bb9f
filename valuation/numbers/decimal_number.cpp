#include "valuation/numbers/decimal_number.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

#include "valuation/numbers/decimal_rounding.h"
#include "valuation/numbers/significant_digits.h"
#include "valuation/numbers/wide_uint.h"

namespace worthmere {

using numbers_internal::WideUint;

namespace {

DecimalNumber Make(bool negative, const WideUint& magnitude, int scale) {
  assert(magnitude.FitsMagnitude());
  return *DecimalNumber::FromParts(negative, magnitude.Low64(), magnitude.Limb(2), scale);
}

// Whether a magnitude cut short goes up by one, given the top part of the dropped digits, the
// value of one half in that part, and whether anything non-zero lies below it.
bool RoundsUp(Rounding rule, std::uint32_t dropped_top, std::uint32_t half, bool lower_nonzero,
              bool odd) {
  switch (rule) {
    case Rounding::HalfToEven:
      return dropped_top > half || (dropped_top == half && (lower_nonzero || odd));
    case Rounding::HalfAwayFromZero:
      return dropped_top >= half;
  }
  return false;
}

// Drops trailing zeros after the point: an exact quotient such as 1/4 is 0.25, not 0.2500...0.
DecimalNumber WithoutTrailingZeros(const DecimalNumber& value) {
  WideUint magnitude = numbers_internal::MagnitudeOf(value);
  int scale = value.Scale();
  if (magnitude.IsZero()) return DecimalNumber();
  if (!magnitude.IsMultipleOfPow10(1)) return value;
  while (scale >= 9 && magnitude.IsMultipleOfPow10(9)) {
    magnitude.DividePow10(9);
    scale -= 9;
  }
  for (int step : {8, 4, 2, 1}) {
    if (scale >= step && magnitude.IsMultipleOfPow10(step)) {
      magnitude.DividePow10(step);
      scale -= step;
    }
  }
  return Make(value.IsNegative(), magnitude, scale);
}

// 10^k for k = 0..19, all below 2^64.
constexpr auto kPow10 = [] {
  std::array<std::uint64_t, 20> powers{};
  powers[0] = 1;
  for (std::size_t k = 1; k < powers.size(); ++k) powers[k] = powers[k - 1] * 10;
  return powers;
}();

// The largest magnitude that times 10^k stays below 2^64.
constexpr auto kLargestToScale = [] {
  std::array<std::uint64_t, kPow10.size()> largest{};
  for (std::size_t k = 0; k < largest.size(); ++k) largest[k] = UINT64_MAX / kPow10[k];
  return largest;
}();

// The magnitude times 10^shift, when it is below 2^64.
std::optional<std::uint64_t> ScaledMagnitude64(const DecimalNumber& value, int shift) {
  if (value.MagnitudeHigh() != 0 || shift >= static_cast<int>(kPow10.size()) ||
      value.MagnitudeLow() > kLargestToScale[shift]) {
    return std::nullopt;
  }
  return value.MagnitudeLow() * kPow10[shift];
}

// One step of long division by a divisor below 2^32: the next `digits` (at most nine) quotient
// digits of remainder / divisor. A floating-point reciprocal stands in for a slow hardware
// division: the chunk is below 10^9, so its estimate is off by one at most and is then corrected.
// When the division comes out exact, trailing zero digits of the chunk are dropped.
struct QuotientChunk {
  std::uint32_t value;
  int digits;
  std::uint64_t remainder;
};

QuotientChunk NextQuotientChunk(std::uint64_t remainder, int digits, double reciprocal,
                                std::int64_t divisor) {
  const auto extended = static_cast<std::int64_t>(remainder * numbers_internal::SmallPow10(digits));
  auto next = static_cast<std::int64_t>(static_cast<double>(extended) * reciprocal);
  std::int64_t rest = extended - next * divisor;
  for (; rest < 0; rest += divisor) --next;
  for (; rest >= divisor; rest -= divisor) ++next;
  while (rest == 0 && next % 10 == 0) {
    next /= 10;
    --digits;
  }
  return {static_cast<std::uint32_t>(next), digits, static_cast<std::uint64_t>(rest)};
}

// Long division by a divisor below 2^32, nine digits at a time, until the quotient is exact or
// has all the digits the type keeps; an exact quotient so gets no trailing zeros.
NumberResult<DecimalNumber> DivideBySmall(bool negative, WideUint quotient, int scale,
                                          std::uint32_t divisor) {
  std::uint64_t remainder = quotient.DivideSmall(divisor);
  if (remainder == 0) {
    const NumberResult<DecimalNumber> exact =
        numbers_internal::RoundToDecimal(negative, quotient, scale, false);
    return exact ? WithoutTrailingZeros(*exact) : exact;
  }
  const double reciprocal = 1.0 / divisor;
  const auto wide_divisor = static_cast<std::int64_t>(divisor);
  while (remainder != 0 && scale < DecimalNumber::kMaxScale && quotient.FitsMagnitude()) {
    const QuotientChunk chunk = NextQuotientChunk(
        remainder, std::min(9, DecimalNumber::kMaxScale - scale), reciprocal, wide_divisor);
    remainder = chunk.remainder;
    quotient.MultiplyAdd(numbers_internal::SmallPow10(chunk.digits), chunk.value);
    scale += chunk.digits;
  }
  if (remainder == 0 || !quotient.FitsMagnitude()) {
    return numbers_internal::RoundToDecimal(negative, quotient, scale, remainder != 0);
  }
  // All 28 decimals and a remainder: it rounds the last one, half to even.
  if (2 * remainder > divisor || (2 * remainder == divisor && quotient.IsOdd())) {
    quotient.AddSmall(1);
  }
  // Only 2^96 - 1 rounds beyond 96 bits; 2^96 ends in 6, so rounding it once more to 27 decimals
  // gives what the exact quotient would.
  return numbers_internal::RoundToDecimal(negative, quotient, scale, false);
}

// A quotient of up to 126 bits in two halves; it fits a magnitude while `high` is below 2^32.
struct Wide128 {
  std::uint64_t low = 0;
  std::uint64_t high = 0;
};

// value * factor + addend, for a value below 2^96.
Wide128 MultiplyAdd(Wide128 value, std::uint32_t factor, std::uint32_t addend) {
  constexpr std::uint64_t kLow32 = 0xFFFFFFFF;
  const std::uint64_t part0 = (value.low & kLow32) * factor + addend;
  const std::uint64_t part1 = (value.low >> 32) * factor + (part0 >> 32);
  return {part1 << 32 | (part0 & kLow32), value.high * factor + (part1 >> 32)};
}

bool FitsMagnitude(Wide128 value) { return value.high <= UINT32_MAX; }

// Adds one; false when that reaches 2^96.
bool Increment(Wide128* value) {
  if (++value->low == 0) ++value->high;
  return FitsMagnitude(*value);
}

// `quotient` followed by the `digits` digits of `chunk` passes 2^96: as few of the chunk's digits
// as make it fit go, rounding half to even; `sticky` says the division left a remainder.
// Nullopt when rounding up reaches 2^96.
std::optional<DecimalNumber> CutChunk(bool negative, Wide128 quotient, int scale, int digits,
                                      std::uint32_t chunk, bool sticky) {
  const Wide128 full = MultiplyAdd(quotient, numbers_internal::SmallPow10(digits), chunk);
  const int bits = 64 + std::bit_width(full.high);
  // 0.30102 is just below log10(2): dropping fewer digits leaves 97 bits or more.
  int drop = std::min(digits, (bits - 97) * 30102 / 100000 + 1);
  Wide128 kept = MultiplyAdd(quotient, numbers_internal::SmallPow10(digits - drop),
                             chunk / numbers_internal::SmallPow10(drop));
  while (!FitsMagnitude(kept)) {
    ++drop;
    kept = MultiplyAdd(quotient, numbers_internal::SmallPow10(digits - drop),
                       chunk / numbers_internal::SmallPow10(drop));
  }
  const std::uint32_t dropped = chunk % numbers_internal::SmallPow10(drop);
  const std::uint32_t half = 5 * numbers_internal::SmallPow10(drop - 1);
  if (dropped > half || (dropped == half && (sticky || (kept.low & 1) != 0))) {
    if (!Increment(&kept)) return std::nullopt;
  }
  return DecimalNumber::FromParts(negative, kept.low, static_cast<std::uint32_t>(kept.high),
                                  scale + digits - drop);
}

// The quotient of a dividend below 2^64 by a divisor below 2^32, kept in two words instead of a
// wide integer; the same digits as DivideBySmall. Nullopt for the rare quotients that round up to
// 2^96, which the general path handles.
std::optional<DecimalNumber> DivideShort(bool negative, std::uint64_t dividend, int scale,
                                         std::uint32_t divisor) {
  const std::uint64_t whole = dividend / divisor;
  std::uint64_t remainder = dividend % divisor;
  if (remainder == 0) {
    std::uint64_t magnitude = whole;
    while (scale > 0 && magnitude % 10 == 0) {
      magnitude /= 10;
      --scale;
    }
    return DecimalNumber::FromParts(negative, magnitude, 0, scale);
  }
  const double reciprocal = 1.0 / divisor;
  const auto wide_divisor = static_cast<std::int64_t>(divisor);
  Wide128 quotient{whole, 0};
  while (scale < DecimalNumber::kMaxScale) {
    const QuotientChunk step = NextQuotientChunk(
        remainder, std::min(9, DecimalNumber::kMaxScale - scale), reciprocal, wide_divisor);
    remainder = step.remainder;
    const int digits = step.digits;
    const std::uint32_t chunk = step.value;
    const Wide128 longer = MultiplyAdd(quotient, numbers_internal::SmallPow10(digits), chunk);
    if (!FitsMagnitude(longer)) {
      return CutChunk(negative, quotient, scale, digits, chunk, remainder != 0);
    }
    quotient = longer;
    scale += digits;
    if (remainder == 0) {
      return DecimalNumber::FromParts(negative, quotient.low,
                                      static_cast<std::uint32_t>(quotient.high), scale);
    }
  }
  // All 28 decimals and a remainder: it rounds the last one, half to even.
  if (2 * remainder > divisor || (2 * remainder == divisor && (quotient.low & 1) != 0)) {
    if (!Increment(&quotient)) return std::nullopt;
  }
  return DecimalNumber::FromParts(negative, quotient.low, static_cast<std::uint32_t>(quotient.high),
                                  scale);
}

// Both magnitudes brought to the larger of the two scales.
int AlignScales(const DecimalNumber& a, const DecimalNumber& b, WideUint* x, WideUint* y) {
  const int scale = std::max(a.Scale(), b.Scale());
  *x = numbers_internal::MagnitudeOf(a);
  *y = numbers_internal::MagnitudeOf(b);
  x->MultiplyPow10(scale - a.Scale());
  y->MultiplyPow10(scale - b.Scale());
  return scale;
}

}  // namespace

namespace numbers_internal {

WideUint MagnitudeOf(const DecimalNumber& value) {
  return WideUint::FromMagnitude(value.MagnitudeLow(), value.MagnitudeHigh());
}

int WriteMagnitudeDigits(const DecimalNumber& value, char* out) {
  constexpr int kMaxDigits = 29;
  if (value.MagnitudeHigh() == 0) {
    return static_cast<int>(std::to_chars(out, out + kMaxDigits, value.MagnitudeLow()).ptr - out);
  }
  // At 2^64 or more: the top digits, then two groups of nine. 2^96 / 10^18 is below 2^64.
  WideUint magnitude = MagnitudeOf(value);
  const std::uint32_t lower = magnitude.DividePow10(9);
  const std::uint32_t middle = magnitude.DividePow10(9);
  char* p = std::to_chars(out, out + kMaxDigits, magnitude.Low64()).ptr;
  for (std::uint32_t group : {middle, lower}) {
    p += 9;
    for (int i = 1; i <= 9; ++i, group /= 10) p[-i] = static_cast<char>('0' + group % 10);
  }
  return static_cast<int>(p - out);
}

NumberResult<DecimalNumber> RoundToDecimal(bool negative, WideUint magnitude, int scale,
                                           bool sticky, Rounding rule, int max_scale) {
  int drop = std::max(0, scale - max_scale);
  const int bits = magnitude.BitLength();
  // 0.30102 is just below log10(2): dropping fewer digits than this leaves 97 bits or more.
  if (bits > 96) drop = std::max(drop, (bits - 97) * 30102 / 100000 + 1);
  if (drop == 0) {
    assert(!sticky);
    return Make(negative, magnitude, scale);
  }
  if (drop > scale) return NumberError::Overflow;
  // Divide by 10^drop, the lower digits in chunks of nine first: the last division's remainder
  // holds the top dropped digits, which decide the rounding.
  const int top_digits = drop % 9 == 0 ? 9 : drop % 9;
  bool lower_nonzero = sticky;
  for (int lower = drop - top_digits; lower > 0; lower -= 9) {
    lower_nonzero |= magnitude.DividePow10(9) != 0;
  }
  std::uint32_t dropped_top = magnitude.DividePow10(top_digits);
  std::uint32_t half = 5 * SmallPow10(top_digits - 1);
  for (;;) {
    if (drop > scale) return NumberError::Overflow;
    WideUint rounded = magnitude;
    if (RoundsUp(rule, dropped_top, half, lower_nonzero, magnitude.IsOdd())) rounded.AddSmall(1);
    if (rounded.FitsMagnitude()) return Make(negative, rounded, scale - drop);
    // Rounding up carried beyond 96 bits: one more digit goes.
    lower_nonzero |= dropped_top != 0;
    dropped_top = magnitude.DividePow10(1);
    half = 5;
    ++drop;
  }
}

}  // namespace numbers_internal

std::optional<DecimalNumber> DecimalNumber::FromParts(bool negative, std::uint64_t magnitude_low,
                                                      std::uint32_t magnitude_high, int scale) {
  if (scale < 0 || scale > kMaxScale) return std::nullopt;
  DecimalNumber result;
  result.low_ = magnitude_low;
  result.high_ = magnitude_high;
  result.scale_ = scale;
  result.negative_ = negative && !result.IsZero();
  return result;
}

DecimalNumber DecimalNumber::FromInteger(std::int64_t value) {
  const std::uint64_t magnitude =
      value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : value;
  return *FromParts(value < 0, magnitude, 0, 0);
}

NumberResult<DecimalNumber> DecimalNumber::FromDouble(double value) {
  if (std::isnan(value)) return NumberError::NotANumber;
  if (std::isinf(value)) return NumberError::Overflow;
  const numbers_internal::SignificantDigits form = numbers_internal::RoundTo15Digits(value);
  if (form.count == 0) return DecimalNumber();
  // 10^29 is above 2^96 - 1.
  if (form.exponent >= 29) return NumberError::Overflow;
  std::uint64_t digits = 0;
  for (int i = 0; i < form.count; ++i) digits = digits * 10 + (form.digits[i] - '0');
  WideUint magnitude = WideUint::FromMagnitude(digits, 0);
  const int power = form.exponent - form.count + 1;
  if (power >= 0) {
    magnitude.MultiplyPow10(power);
    return numbers_internal::RoundToDecimal(form.negative, magnitude, 0, false);
  }
  return numbers_internal::RoundToDecimal(form.negative, magnitude, -power, false);
}

std::string DecimalNumber::MagnitudeDigits() const {
  char digits[29];
  return std::string(digits, numbers_internal::WriteMagnitudeDigits(*this, digits));
}

double DecimalNumber::ToDouble() const {
  if (IsZero()) return 0.0;
  // The decimal text read by a correctly rounding parser gives the nearest double in one step.
  char buffer[48];
  char* p = buffer;
  if (IsNegative()) *p++ = '-';
  p += numbers_internal::WriteMagnitudeDigits(*this, p);
  *p++ = 'e';
  p = std::to_chars(p, buffer + sizeof buffer, -scale_).ptr;
  double result = 0;
  std::from_chars(buffer, p, result);
  return result;
}

DecimalNumber DecimalNumber::Negated() const {
  DecimalNumber result = *this;
  result.negative_ = !negative_ && !IsZero();
  return result;
}

DecimalNumber DecimalNumber::RoundedTo(int decimals, Rounding rule) const {
  decimals = std::clamp(decimals, 0, kMaxScale);
  if (decimals >= scale_) return *this;
  // Dropping digits from a 96-bit magnitude leaves room for the carry of rounding up.
  return *numbers_internal::RoundToDecimal(IsNegative(), numbers_internal::MagnitudeOf(*this),
                                           scale_, false, rule, decimals);
}

std::strong_ordering operator<=>(const DecimalNumber& a, const DecimalNumber& b) {
  if (a.IsNegative() != b.IsNegative()) {
    return a.IsNegative() ? std::strong_ordering::less : std::strong_ordering::greater;
  }
  const int scale = std::max(a.Scale(), b.Scale());
  const std::optional<std::uint64_t> x64 = ScaledMagnitude64(a, scale - a.Scale());
  const std::optional<std::uint64_t> y64 = ScaledMagnitude64(b, scale - b.Scale());
  if (x64 && y64) return a.IsNegative() ? *y64 <=> *x64 : *x64 <=> *y64;
  WideUint x;
  WideUint y;
  AlignScales(a, b, &x, &y);
  const int order = a.IsNegative() ? WideUint::Compare(y, x) : WideUint::Compare(x, y);
  return order <=> 0;
}

NumberResult<DecimalNumber> Add(const DecimalNumber& a, const DecimalNumber& b) {
  const int scale = std::max(a.Scale(), b.Scale());
  const std::optional<std::uint64_t> x64 = ScaledMagnitude64(a, scale - a.Scale());
  const std::optional<std::uint64_t> y64 = ScaledMagnitude64(b, scale - b.Scale());
  if (x64 && y64) {
    // Exact when the magnitudes' sum stays below 2^64, as their difference always does.
    if (a.IsNegative() != b.IsNegative()) {
      if (*x64 >= *y64) return *DecimalNumber::FromParts(a.IsNegative(), *x64 - *y64, 0, scale);
      return *DecimalNumber::FromParts(b.IsNegative(), *y64 - *x64, 0, scale);
    }
    if (*x64 <= UINT64_MAX - *y64) {
      return *DecimalNumber::FromParts(a.IsNegative(), *x64 + *y64, 0, scale);
    }
  }
  WideUint x;
  WideUint y;
  AlignScales(a, b, &x, &y);
  if (a.IsNegative() == b.IsNegative()) {
    return numbers_internal::RoundToDecimal(a.IsNegative(), WideUint::Add(x, y), scale, false);
  }
  if (WideUint::Compare(x, y) >= 0) {
    return numbers_internal::RoundToDecimal(a.IsNegative(), WideUint::Subtract(x, y), scale, false);
  }
  return numbers_internal::RoundToDecimal(b.IsNegative(), WideUint::Subtract(y, x), scale, false);
}

NumberResult<DecimalNumber> Subtract(const DecimalNumber& a, const DecimalNumber& b) {
  return Add(a, b.Negated());
}

NumberResult<DecimalNumber> Multiply(const DecimalNumber& a, const DecimalNumber& b) {
  const bool negative = a.IsNegative() != b.IsNegative();
  const int scale = a.Scale() + b.Scale();
  // Exact when the product stays below 2^64 and the scale is one the type holds.
  if (a.MagnitudeHigh() == 0 && b.MagnitudeHigh() == 0 && scale <= DecimalNumber::kMaxScale &&
      std::bit_width(a.MagnitudeLow()) + std::bit_width(b.MagnitudeLow()) <= 64) {
    return *DecimalNumber::FromParts(negative, a.MagnitudeLow() * b.MagnitudeLow(), 0, scale);
  }
  const WideUint product = WideUint::MultiplyMagnitudes(a.MagnitudeLow(), a.MagnitudeHigh(),
                                                        b.MagnitudeLow(), b.MagnitudeHigh());
  return numbers_internal::RoundToDecimal(negative, product, scale, false);
}

NumberResult<DecimalNumber> Divide(const DecimalNumber& a, const DecimalNumber& b) {
  if (b.IsZero()) return NumberError::DivideByZero;
  if (a.IsZero()) return DecimalNumber();
  if (b.MagnitudeHigh() == 0 && b.MagnitudeLow() <= UINT32_MAX) {
    const int shift = std::max(0, b.Scale() - a.Scale());
    if (const std::optional<std::uint64_t> dividend = ScaledMagnitude64(a, shift)) {
      const std::optional<DecimalNumber> quotient =
          DivideShort(a.IsNegative() != b.IsNegative(), *dividend, shift + a.Scale() - b.Scale(),
                      static_cast<std::uint32_t>(b.MagnitudeLow()));
      if (quotient) return *quotient;
    }
  }
  return numbers_internal::DivideInWideIntegers(a, b);
}

namespace numbers_internal {

NumberResult<DecimalNumber> DivideInWideIntegers(const DecimalNumber& a, const DecimalNumber& b) {
  if (b.IsZero()) return NumberError::DivideByZero;
  if (a.IsZero()) return DecimalNumber();
  const bool negative = a.IsNegative() != b.IsNegative();
  const WideUint divisor = numbers_internal::MagnitudeOf(b);
  WideUint dividend = numbers_internal::MagnitudeOf(a);
  if (divisor.BitLength() <= 32) {
    const int shift = std::max(0, b.Scale() - a.Scale());
    dividend.MultiplyPow10(shift);
    return DivideBySmall(negative, dividend, shift + a.Scale() - b.Scale(),
                         static_cast<std::uint32_t>(divisor.Low64()));
  }
  // The quotient q = a's magnitude * 10^shift / b's magnitude has the scale shift + a's scale -
  // b's scale. That scale is 29, one more than the type holds, or less when q has more than 96
  // bits anyway: either way the rounding drops a digit and sees the remainder below it.
  // q >= 2^96 once shift * log2(10) >= 97 + bits(b) - bits(a); 0.30103 is just above log10(2).
  const int bits_needed = 97 + divisor.BitLength() - dividend.BitLength();
  const int shift_for_bits = bits_needed > 0 ? (bits_needed * 30103 + 99999) / 100000 : 0;
  const int shift = std::clamp(shift_for_bits, std::max(0, b.Scale() - a.Scale()),
                               DecimalNumber::kMaxScale + 1 + b.Scale() - a.Scale());
  dividend.MultiplyPow10(shift);
  WideUint quotient;
  WideUint remainder;
  WideUint::DivideWithRemainder(dividend, divisor, &quotient, &remainder);
  const NumberResult<DecimalNumber> rounded = numbers_internal::RoundToDecimal(
      negative, quotient, shift + a.Scale() - b.Scale(), !remainder.IsZero());
  if (!rounded || !remainder.IsZero()) return rounded;
  return WithoutTrailingZeros(*rounded);
}

}  // namespace numbers_internal

}  // namespace worthmere
