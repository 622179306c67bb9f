#include "valuation/numbers/number_to_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "test_names.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere {
namespace {

struct DoubleCase {
  const char* behaviour;
  double value;
  const char* text;
};

class DoubleToText : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(DoubleToText, WritesPlainOrExponentForm) {
  EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Doubles, DoubleToText,
    ::testing::Values(
        DoubleCase{"binary fraction", 0.0625, "0.0625"}, DoubleCase{"one decimal", 12.1, "12.1"},
        DoubleCase{"whole number", 13, "13"}, DoubleCase{"zero", 0.0, "0"},
        DoubleCase{"negative zero has no sign", -0.0, "0"},
        DoubleCase{"negative value", -2.5, "-2.5"},
        DoubleCase{"10^15 in exponent form", 1e15, "1E+15"},
        DoubleCase{"0.00001 in exponent form", 0.00001, "1E-05"},
        DoubleCase{"16 digits rounded to 15 in exponent form", 1234567890123456.0,
                   "1.23456789012346E+15"},
        DoubleCase{"exact tie rounds away from zero", 1234567890123455.0, "1.23456789012346E+15"},
        DoubleCase{"negative exact tie rounds away from zero", -1234567890123455.0,
                   "-1.23456789012346E+15"},
        DoubleCase{"rounding to 15 digits carries into 10^15", 999999999999999.9, "1E+15"},
        DoubleCase{"largest plain whole number", 999999999999999.0, "999999999999999"},
        DoubleCase{"smallest plain magnitude", 0.0001, "0.0001"},
        DoubleCase{"just below 0.0001", 0.000099, "9.9E-05"},
        DoubleCase{"binary noise rounded away", 0.1 + 0.2, "0.3"},
        DoubleCase{"three-digit exponent", 1e-300, "1E-300"},
        DoubleCase{"largest double", std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        DoubleCase{"smallest subnormal", std::numeric_limits<double>::denorm_min(),
                   "4.94065645841247E-324"},
        DoubleCase{"infinity does not crash", kInfinity, "inf"},
        DoubleCase{"negative infinity does not crash", -kInfinity, "-inf"},
        DoubleCase{"not-a-number does not crash", std::numeric_limits<double>::quiet_NaN(), "nan"}),
    testing::RowName<::testing::TestParamInfo<DoubleCase>>);

struct DecimalCase {
  const char* behaviour;
  const char* typed;
  const char* text;
};

class DecimalToText : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalToText, WritesAllSignificantDigits) {
  const NumberResult<DecimalNumber> value = TextToDecimal(GetParam().typed);
  ASSERT_TRUE(value.ok()) << GetParam().typed;
  EXPECT_EQ(NumberToText(*value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Decimals, DecimalToText,
    ::testing::Values(
        DecimalCase{"trailing zero and point dropped", "8.0", "8"},
        DecimalCase{"trailing zero dropped", "44.60", "44.6"},
        DecimalCase{"zero before the point", "0.50", "0.5"},
        DecimalCase{"zero with decimals", "0.00", "0"},
        DecimalCase{"thousands without groups", "1250.50", "1250.5"},
        DecimalCase{"round trip of a fraction", "0.0625", "0.0625"},
        DecimalCase{"round trip drops the zero", "8.50", "8.5"},
        DecimalCase{"no exponent form for large values", "1E+20", "100000000000000000000"},
        DecimalCase{"no exponent form for small values", "1E-10", "0.0000000001"},
        DecimalCase{"more than 15 digits kept", "1234567890.123456789", "1234567890.123456789"},
        DecimalCase{"negative value", "-3.20", "-3.2"},
        DecimalCase{"negative zero has no sign", "-0.00", "0"}),
    testing::RowName<::testing::TestParamInfo<DecimalCase>>);

TEST(ShortIntegerToText, WritesDigitsAndSign) {
  EXPECT_EQ(NumberToText(std::int16_t{1}), "1");
  EXPECT_EQ(NumberToText(std::int16_t{-32768}), "-32768");
}

}  // namespace
}  // namespace worthmere
