#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

#include "valuation/numbers/result.h"

namespace worthmere {

// How a value that has more digits than fit loses its last ones.
enum class Rounding {
  HalfToEven,        // a tie goes to the even neighbour: arithmetic results and long typed texts
  HalfAwayFromZero,  // a tie goes away from zero: pattern formatting
};

// An exact decimal: sign, unsigned 96-bit magnitude (0 to 2^96 - 1) and scale 0..28.
// Its value is magnitude / 10^scale. The estimator's inputs, its ten-year chain and the market
// price are computed in it.
class DecimalNumber {
 public:
  static constexpr int kMaxScale = 28;

  DecimalNumber() = default;  // zero

  // Nullopt when the scale is outside 0..28.
  static std::optional<DecimalNumber> FromParts(bool negative, std::uint64_t magnitude_low,
                                                std::uint32_t magnitude_high, int scale);
  static DecimalNumber FromInteger(std::int64_t value);
  // Through the double's decimal form rounded to 15 significant digits, so 0.01 becomes exactly
  // 0.01. Overflow beyond the decimal range or for an infinity, NotANumber for a NaN.
  static NumberResult<DecimalNumber> FromDouble(double value);

  bool IsNegative() const { return negative_ && !IsZero(); }
  bool IsZero() const { return low_ == 0 && high_ == 0; }
  int Scale() const { return scale_; }
  std::uint64_t MagnitudeLow() const { return low_; }
  std::uint32_t MagnitudeHigh() const { return high_; }
  // The magnitude's decimal digits without leading zeros, "0" for zero.
  std::string MagnitudeDigits() const;

  // The nearest double, found through the decimal digits.
  double ToDouble() const;
  DecimalNumber Negated() const;
  // The value rounded to at most `decimals` digits after the point (0..28).
  DecimalNumber RoundedTo(int decimals, Rounding rule) const;

  // Compare by value: 1.50 == 1.5, and -0 == 0.
  friend std::strong_ordering operator<=>(const DecimalNumber& a, const DecimalNumber& b);
  friend bool operator==(const DecimalNumber& a, const DecimalNumber& b) {
    return (a <=> b) == std::strong_ordering::equal;
  }

 private:
  std::uint64_t low_ = 0;
  std::uint32_t high_ = 0;
  int scale_ = 0;
  bool negative_ = false;
};

// Exact when the exact result fits; otherwise rounded half to even to the nearest representable
// value. Overflow when the whole part does not fit 96 bits; DivideByZero for a zero divisor.
NumberResult<DecimalNumber> Add(const DecimalNumber& a, const DecimalNumber& b);
NumberResult<DecimalNumber> Subtract(const DecimalNumber& a, const DecimalNumber& b);
NumberResult<DecimalNumber> Multiply(const DecimalNumber& a, const DecimalNumber& b);
NumberResult<DecimalNumber> Divide(const DecimalNumber& a, const DecimalNumber& b);

}  // namespace worthmere
