#include "valuation/numbers/exact_power.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "reference/digit_strings.h"
#include "reference/nearest_double.h"
#include "valuation/numbers/decimal_number.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere {
namespace {

using reference::BinaryText;

std::array<double, kMaxExactPowerExponent> PowersOf(double base) {
  std::array<double, kMaxExactPowerExponent> powers{};
  ExactPowers(base, powers);
  return powers;
}

// Where rounding once decides: signs, ties, a carry into the next power of two, the subnormal
// range and both ends of it.
TEST(ExactPowers, RoundsOnceToTheNearestDoubleTiesToEven) {
  struct Row {
    const char* behaviour;
    double base;
    int exponent;
    const char* power;
  };
  const Row rows[] = {
      {"negative base to an odd power keeps its sign", -1.5, 3, "-27 * 2^-3"},
      {"negative base to an even power is positive", -1.5, 2, "9 * 2^-2"},
      {"tie rounds down to the even neighbour", 134217727.0, 2, "67108863 * 2^28"},
      {"tie rounds up to the even neighbour", 208067.0, 3, "2251902716359191 * 2^2"},
      {"just below a power of two rounds up into it", std::ldexp(3346161663415923.0, -52), 7,
       "1 * 2^-3"},
      {"subnormal result rounds at its own last place", std::ldexp(5.0, -359), 3, "1 * 2^-1070"},
      {"subnormal tie rounds to even", std::ldexp(3.0, -215), 5, "61 * 2^-1073"},
      {"below half the smallest subnormal is zero", std::ldexp(1.0, -100), 11, "0"},
      {"beyond the double range is infinite", 1e21, 15, "inf"},
      {"negative beyond the double range is minus infinity", -1e21, 15, "-inf"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    EXPECT_EQ(BinaryText(PowersOf(row.base)[row.exponent - 1]), row.power);
  }
}

// Each discount factor of a press, (1 + rate)^i for i = 1 to 15, is the exact power rounded
// once, whatever the C library's pow would give.
TEST(ExactPowers, DiscountFactorsAreTheNearestDoublesToTheExactPowers) {
  // The engine's raw output, which every C++ library gives alike, makes the rates.
  std::mt19937 engine(2024);
  std::vector<std::string> rates{"0.0625"};
  for (int i = 0; i < 1000; ++i) {
    const char* sign = engine() % 5 == 0 ? "-" : "+";
    rates.push_back(sign + std::to_string(engine() % 100000) + "E-" +
                    std::to_string(1 + engine() % 6));
  }
  for (const std::string& rate_text : rates) {
    // The press reads the rate as a decimal and turns it into the nearest double.
    const double base = 1.0 + TextToDecimal(rate_text)->ToDouble();
    int twos = 0;
    const auto units =
        static_cast<std::uint64_t>(std::ldexp(std::frexp(std::fabs(base), &twos), 53));
    const auto factors = PowersOf(base);
    reference::ScaledValue exact{false, "1", 0, 0};
    for (int exponent = 1; exponent <= kMaxExactPowerExponent; ++exponent) {
      exact.digits = reference::MultiplyDigits(exact.digits, std::to_string(units));
      exact.twos += twos - 53;
      exact.negative = base < 0 && exponent % 2 == 1;
      const double factor = factors[exponent - 1];
      ASSERT_TRUE(reference::IsNearestDouble(exact, factor))
          << "rate " << rate_text << ", power " << exponent << ": factor " << BinaryText(factor)
          << ", exact " << reference::Describe(exact);
    }
  }
}

}  // namespace
}  // namespace worthmere
