#pragma once

#include <string>

#include "valuation/numbers/decimal_number.h"

namespace worthmere::reference {

// An exact rational value, numerator / denominator, as unbounded decimal digit strings.
struct ExactValue {
  bool negative = false;
  std::string numerator;
  std::string denominator;
};

ExactValue ExactOf(const DecimalNumber& value);
ExactValue ExactSum(const DecimalNumber& a, const DecimalNumber& b);
ExactValue ExactDifference(const DecimalNumber& a, const DecimalNumber& b);
ExactValue ExactProduct(const DecimalNumber& a, const DecimalNumber& b);
// `b` must not be zero.
ExactValue ExactQuotient(const DecimalNumber& a, const DecimalNumber& b);

// -1, 0 or 1 as a is below, equal to or above b.
int CompareExact(const DecimalNumber& a, const DecimalNumber& b);

// The value rounded by `rule` at the finest scale, `max_scale` at most, whose magnitude fits
// 96 bits, in the plain form NumberToText writes; "Overflow" when not even the whole part fits.
std::string RoundedText(const ExactValue& value, int max_scale, Rounding rule);

}  // namespace worthmere::reference
