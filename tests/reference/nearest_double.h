#pragma once

#include <string>

namespace worthmere::reference {

// An exact value: digits * 2^twos * 10^tens, with a sign; the digits as the reference writes them.
struct ScaledValue {
  bool negative = false;
  std::string digits;
  int twos = 0;
  int tens = 0;
};

// Whether `value` is the double nearest to `exact`, ties to even: the exact value lies within half
// an ulp of it (an infinity stands for every value from the largest double's upper half-way point
// on). Checked in the reference's digit-string arithmetic, apart from any C library.
bool IsNearestDouble(const ScaledValue& exact, double value);

// The value as text for a failure message: "-123 * 2^-5 * 10^2".
std::string Describe(const ScaledValue& exact);

// A double's exact value as text, the odd units times a power of two: "-27 * 2^-3", "0", "inf".
std::string BinaryText(double value);

}  // namespace worthmere::reference
