#include "reference/nearest_double.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "reference/digit_strings.h"

namespace worthmere::reference {
namespace {

// 2^exponent for exponent >= 0, each computed once by doubling the one below.
const std::string& PowerOfTwo(int exponent) {
  static std::vector<std::string> powers{"1"};
  while (static_cast<int>(powers.size()) <= exponent) {
    powers.push_back(AddDigits(powers.back(), powers.back()));
  }
  return powers[static_cast<std::size_t>(exponent)];
}

// Compares a * 2^a_twos * 10^a_tens with b * 2^b_twos (the digits of a and b non-negative).
int CompareScaled(const std::string& a, int a_twos, int a_tens, const std::string& b, int b_twos) {
  const int twos = std::min(a_twos, b_twos);
  const int tens = std::min(a_tens, 0);
  const std::string left = ShiftDigits(MultiplyDigits(a, PowerOfTwo(a_twos - twos)), a_tens - tens);
  const std::string right = ShiftDigits(MultiplyDigits(b, PowerOfTwo(b_twos - twos)), -tens);
  return CompareDigits(left, right);
}

// A finite magnitude as units * 2^twos: 53-bit units, or fewer for a subnormal or zero.
std::pair<std::uint64_t, int> Units(double magnitude) {
  if (magnitude == 0) return {0, -1074};
  int twos = 0;
  std::uint64_t units = static_cast<std::uint64_t>(std::ldexp(std::frexp(magnitude, &twos), 53));
  twos -= 53;
  if (twos < -1074) {
    units >>= std::min(-1074 - twos, 63);
    twos = -1074;
  }
  return {units, twos};
}

}  // namespace

bool IsNearestDouble(const ScaledValue& exact, double value) {
  if (Normalized(exact.digits) == "0") return value == 0;
  if (std::signbit(value) != exact.negative) return false;
  const auto compare = [&exact](std::uint64_t units, int twos) {
    return CompareScaled(exact.digits, exact.twos, exact.tens, std::to_string(units), twos);
  };
  const double magnitude = std::fabs(value);
  // Past the largest double's upper half-way point, (2^54 - 1) * 2^970, rounding gives infinity.
  if (std::isinf(magnitude)) return compare((std::uint64_t{1} << 54) - 1, 970) >= 0;

  const auto [units, twos] = Units(magnitude);
  // The half-way points to the neighbours, in quarter units: the gap below a power of two halves.
  const bool gap_halves = units == (std::uint64_t{1} << 52) && twos > -1074;
  const int above = compare(4 * units + 2, twos - 2);
  if (above > 0 || (above == 0 && units % 2 == 1)) return false;
  if (units == 0) return true;
  const int below = compare(4 * units - (gap_halves ? 1 : 2), twos - 2);
  return below > 0 || (below == 0 && units % 2 == 0);
}

std::string Describe(const ScaledValue& exact) {
  return std::string(exact.negative ? "-" : "") + exact.digits + " * 2^" +
         std::to_string(exact.twos) + " * 10^" + std::to_string(exact.tens);
}

std::string BinaryText(double value) {
  const std::string sign = std::signbit(value) ? "-" : "";
  if (value == 0) return "0";
  if (std::isinf(value)) return sign + "inf";
  auto [units, twos] = Units(std::fabs(value));
  for (; units % 2 == 0; units /= 2) ++twos;
  return sign + std::to_string(units) + " * 2^" + std::to_string(twos);
}

}  // namespace worthmere::reference
