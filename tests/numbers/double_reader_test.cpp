#include "valuation/numbers/detail/double_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "reference/nearest_double.h"

namespace worthmere {
namespace {

// The reader, whichever the build has, against the exact value of the text: over seeded texts
// of up to 30 digits, with and without a point, from below the smallest subnormal to beyond the
// largest double, where being out of range must mean that the nearest double is zero or infinite.
TEST(DoubleReader, ReadsTheNearestDoubleTiesToEven) {
  std::mt19937 engine(324);
  for (int i = 0; i < 3000; ++i) {
    std::string digits(1 + engine() % 30, '0');
    for (char& digit : digits) digit = static_cast<char>('0' + engine() % 10);
    const int exponent = static_cast<int>(engine() % 700) - 360;
    // The point stands after some of the digits, or is left out.
    const std::size_t point = engine() % (digits.size() + 1);
    const bool negative = engine() % 4 == 0;
    std::string text = std::string(negative ? "-" : "") + digits.substr(0, point);
    if (point < digits.size()) text += "." + digits.substr(point);
    text += "e" + std::to_string(exponent);
    const reference::ScaledValue exact{negative, digits, 0,
                                       exponent - static_cast<int>(digits.size() - point)};

    double value = 0.25;
    const auto [end, error] =
        numbers_detail::ReadDouble(text.data(), text.data() + text.size(), value);
    ASSERT_EQ(end, text.data() + text.size()) << text;
    ASSERT_NE(error, std::errc::invalid_argument) << text;
    if (error == std::errc::result_out_of_range) {
      ASSERT_EQ(value, 0.25) << text;
      constexpr double kInfinity = std::numeric_limits<double>::infinity();
      const bool beyond = reference::IsNearestDouble(exact, negative ? -kInfinity : kInfinity);
      ASSERT_TRUE(beyond || reference::IsNearestDouble(exact, negative ? -0.0 : 0.0))
          << text << " is out of range, but its nearest double is finite and not zero";
    } else {
      ASSERT_TRUE(reference::IsNearestDouble(exact, value))
          << text << " reads as " << reference::BinaryText(value) << ", exact "
          << reference::Describe(exact);
    }
  }
}

}  // namespace
}  // namespace worthmere
