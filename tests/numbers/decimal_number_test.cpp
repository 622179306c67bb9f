#include "valuation/numbers/decimal_number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "reference/shown_result.h"
#include "test_names.h"
#include "valuation/numbers/number_to_text.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere {
namespace {

DecimalNumber Read(const char* text) {
  const NumberResult<DecimalNumber> value = TextToDecimal(text);
  EXPECT_TRUE(value.ok()) << text;
  return value ? *value : DecimalNumber();
}

TEST(DecimalParts, ScaleOutsideTheRangeIsRefused) {
  EXPECT_FALSE(DecimalNumber::FromParts(false, 1, 0, -1).has_value());
  EXPECT_FALSE(DecimalNumber::FromParts(false, 1, 0, 29).has_value());
  const auto largest = DecimalNumber::FromParts(true, ~std::uint64_t{0}, ~std::uint32_t{0}, 28);
  ASSERT_TRUE(largest.has_value());
  EXPECT_EQ(NumberToText(*largest), "-7.9228162514264337593543950335");
  EXPECT_EQ(largest->MagnitudeDigits(), "79228162514264337593543950335");
  EXPECT_EQ(DecimalNumber().MagnitudeDigits(), "0");
}

TEST(DecimalParts, IntegersIncludingTheMostNegative) {
  EXPECT_EQ(NumberToText(DecimalNumber::FromInteger(std::numeric_limits<std::int64_t>::min())),
            "-9223372036854775808");
  EXPECT_EQ(NumberToText(DecimalNumber::FromInteger(42)), "42");
}

struct FromDoubleCase {
  const char* behaviour;
  double value;
  const char* text;
};

class DecimalFromDouble : public ::testing::TestWithParam<FromDoubleCase> {};

TEST_P(DecimalFromDouble, GoesThroughThe15DigitForm) {
  EXPECT_EQ(reference::Shown(DecimalNumber::FromDouble(GetParam().value)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Doubles, DecimalFromDouble,
    ::testing::Values(
        FromDoubleCase{"0.01 becomes exactly 0.01", 0.01, "0.01"},
        FromDoubleCase{"binary noise is dropped", 0.1 + 0.2, "0.3"},
        FromDoubleCase{"value per share", 44.64, "44.64"},
        FromDoubleCase{"negative value", -1234.5, "-1234.5"},
        FromDoubleCase{"large whole number keeps 15 digits", 1234567890123456789.0,
                       "1234567890123460000"},
        FromDoubleCase{"below the finest decimal step is zero", 1e-30, "0"},
        FromDoubleCase{"below the finest step rounds half to even", 5e-29, "0"},
        FromDoubleCase{"just inside the range", 7.9e28, "79000000000000000000000000000"},
        FromDoubleCase{"beyond the range", 1e29, "Overflow"},
        FromDoubleCase{"infinity", std::numeric_limits<double>::infinity(), "Overflow"},
        FromDoubleCase{"not a number", std::numeric_limits<double>::quiet_NaN(), "NotANumber"}),
    testing::RowName<::testing::TestParamInfo<FromDoubleCase>>);

struct ToDoubleCase {
  const char* behaviour;
  const char* decimal;
  double nearest;  // the compiler's correctly rounded reading of the same digits
};

class DecimalToDouble : public ::testing::TestWithParam<ToDoubleCase> {};

TEST_P(DecimalToDouble, IsTheNearestDouble) {
  EXPECT_EQ(Read(GetParam().decimal).ToDouble(), GetParam().nearest) << GetParam().decimal;
}

INSTANTIATE_TEST_SUITE_P(
    Decimals, DecimalToDouble,
    ::testing::Values(ToDoubleCase{"discount rate", "0.0625", 0.0625},
                      ToDoubleCase{"one tenth", "0.1", 0.1},
                      ToDoubleCase{"negative", "-44.64", -44.64},
                      // Dividing the magnitude's double by 10^28 rounds twice and misses these.
                      ToDoubleCase{"28 decimals", "1.2345678901234567890123456789",
                                   1.2345678901234567890123456789},
                      ToDoubleCase{"29 digits at scale 25", "1578.6441904847969902182747518",
                                   1578.6441904847969902182747518},
                      ToDoubleCase{"29 digits at scale 23", "492034.08850162724898779781796",
                                   492034.08850162724898779781796},
                      ToDoubleCase{"largest magnitude", "79228162514264337593543950335",
                                   79228162514264337593543950335.0},
                      ToDoubleCase{"finest step", "0.0000000000000000000000000001", 1e-28}),
    testing::RowName<::testing::TestParamInfo<ToDoubleCase>>);

struct RoundingCase {
  const char* behaviour;
  const char* value;
  int decimals;
  const char* half_to_even;
  const char* half_away_from_zero;
};

class DecimalRounding : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(DecimalRounding, FollowsTheNamedRule) {
  const RoundingCase& c = GetParam();
  const DecimalNumber value = Read(c.value);
  EXPECT_EQ(NumberToText(value.RoundedTo(c.decimals, Rounding::HalfToEven)), c.half_to_even);
  EXPECT_EQ(NumberToText(value.RoundedTo(c.decimals, Rounding::HalfAwayFromZero)),
            c.half_away_from_zero);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DecimalRounding,
    ::testing::Values(RoundingCase{"tie to the even whole number below", "2.5", 0, "2", "3"},
                      RoundingCase{"tie to the even whole number above", "3.5", 0, "4", "4"},
                      RoundingCase{"negative tie", "-2.5", 0, "-2", "-3"},
                      RoundingCase{"tie in the decimals", "2.45", 1, "2.4", "2.5"},
                      RoundingCase{"above the tie", "2.4500001", 1, "2.5", "2.5"},
                      RoundingCase{"below the tie", "2.4499999", 1, "2.4", "2.4"},
                      RoundingCase{"carry through nines", "9.995", 2, "10", "10"},
                      RoundingCase{"fewer decimals than asked stays", "1.5", 4, "1.5", "1.5"},
                      RoundingCase{"negative rounding to zero", "-0.4", 0, "0", "0"},
                      RoundingCase{"largest magnitude rounds within range",
                                   "7.9228162514264337593543950335", 0, "8", "8"}),
    testing::RowName<::testing::TestParamInfo<RoundingCase>>);

TEST(DecimalComparison, ByValueWhateverTheScale) {
  EXPECT_EQ(Read("1.50"), Read("1.5"));
  EXPECT_EQ(Read("-0.00"), Read("0"));
  EXPECT_LT(Read("-1"), Read("0.5"));
  EXPECT_LT(Read("-2"), Read("-1.99"));
  EXPECT_GT(Read("79228162514264337593543950335"), Read("7.9228162514264337593543950335"));
  EXPECT_LT(Read("0.0000000000000000000000000001"), Read("0.0000000000000000000000000002"));
  // Aligned to one decimal, the first magnitude passes 2^64.
  EXPECT_GT(Read("1844674407370955162"), Read("1844674407370955161.9"));
  EXPECT_LT(Read("-1844674407370955162"), Read("-1844674407370955161.9"));
}

TEST(DecimalSign, ZeroIsNeverNegative) {
  EXPECT_FALSE(Read("-0").IsNegative());
  EXPECT_FALSE(DecimalNumber().Negated().IsNegative());
  EXPECT_TRUE(Read("5").Negated().IsNegative());
  EXPECT_FALSE(Read("-5").Negated().IsNegative());
}

}  // namespace
}  // namespace worthmere
