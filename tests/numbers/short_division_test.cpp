#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "test_names.h"
#include "valuation/numbers/decimal_number.h"
#include "valuation/numbers/decimal_rounding.h"
#include "valuation/numbers/number_to_text.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere {
namespace {

// Sign, magnitude and scale, so 1.50 and 1.5 differ.
std::string Representation(const NumberResult<DecimalNumber>& result) {
  if (!result) return "error " + std::to_string(static_cast<int>(result.error()));
  std::string text(1, result->IsNegative() ? '-' : '+');
  text += result->MagnitudeDigits();
  text += " scale ";
  text += std::to_string(result->Scale());
  return text;
}

std::string Describe(const DecimalNumber& value) {
  return NumberToText(value) + " (magnitude " + value.MagnitudeDigits() + ", scale " +
         std::to_string(value.Scale()) + ")";
}

DecimalNumber Read(const char* text) {
  const NumberResult<DecimalNumber> value = TextToDecimal(text);
  EXPECT_TRUE(value.ok()) << text;
  return value ? *value : DecimalNumber();
}

std::uint64_t RandomBits(std::mt19937_64& engine, int max_bits) {
  const int bits = 1 + static_cast<int>(engine() % static_cast<std::uint64_t>(max_bits));
  const std::uint64_t value = engine();
  return bits == 64 ? value : value & ((std::uint64_t{1} << bits) - 1);
}

// Dividends below 2^64 and divisors below 2^32, the operands of the two-word quotient, with
// scales that mostly keep the scaled dividend below 2^64 too.
TEST(ShortDivision, MatchesTheWideIntegerDivision) {
  std::mt19937_64 engine(20240617);
  int compared = 0;
  for (int i = 0; i < 3000; ++i) {
    const std::uint64_t divisor = RandomBits(engine, 32);
    if (divisor == 0) continue;
    const bool typical = engine() % 2 == 0;
    const DecimalNumber a =
        *DecimalNumber::FromParts(engine() % 2 == 0, RandomBits(engine, typical ? 40 : 64), 0,
                                  static_cast<int>(engine() % (typical ? 7 : 29)));
    const DecimalNumber b = *DecimalNumber::FromParts(
        engine() % 2 == 0, divisor, 0, static_cast<int>(engine() % (typical ? 7 : 29)));
    ASSERT_EQ(Representation(Divide(a, b)),
              Representation(numbers_internal::DivideInWideIntegers(a, b)))
        << Describe(a) << " / " << Describe(b);
    ++compared;
  }
  EXPECT_GT(compared, 2900);
}

struct BoundaryCase {
  const char* behaviour;
  const char* a;
  const char* b;
  const char* quotient;
};

class ShortDivisionBoundaries : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(ShortDivisionBoundaries, MatchTheWideIntegerDivision) {
  const BoundaryCase& c = GetParam();
  const DecimalNumber a = Read(c.a);
  const DecimalNumber b = Read(c.b);
  const NumberResult<DecimalNumber> quotient = Divide(a, b);
  ASSERT_TRUE(quotient.ok()) << c.a << " / " << c.b;
  EXPECT_EQ(NumberToText(*quotient), c.quotient);
  EXPECT_EQ(Representation(quotient), Representation(numbers_internal::DivideInWideIntegers(a, b)))
      << c.a << " / " << c.b;
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ShortDivisionBoundaries,
    ::testing::Values(
        BoundaryCase{"largest dividend by largest divisor is exact", "18446744073709551615",
                     "4294967295", "4294967297"},
        BoundaryCase{"largest dividend by one less than the largest divisor",
                     "18446744073709551615", "4294967294", "4294967298.0000000006984919313"},
        BoundaryCase{"smallest step by the largest divisor rounds to zero",
                     "0.0000000000000000000000000001", "4294967295", "0"},
        BoundaryCase{"one by the largest divisor", "1", "4294967295",
                     "0.0000000002328306437080797375"},
        BoundaryCase{"quotient just below 2^96 at 28 decimals keeps them", "7.922816251426433759",
                     "1.000000001", "7.9228162435036175154963824845"},
        BoundaryCase{"quotient just above 2^96 at 28 decimals keeps 27", "7.922816251426433759",
                     "0.999999999", "7.922816259349250018349250018"},
        BoundaryCase{"digit cut at a tie rounds up to even", "18446744073709551615", "32768",
                     "562949953421311.99996948242188"},
        BoundaryCase{"digit cut at a tie stays on even", "18446744073709551613", "32768",
                     "562949953421311.99990844726562"},
        BoundaryCase{"tie at 28 decimals stays on even zero", "0.0000000000000000000000000001", "2",
                     "0"},
        BoundaryCase{"tie at 28 decimals rounds up to even", "0.0000000000000000000000000003", "2",
                     "0.0000000000000000000000000002"},
        BoundaryCase{"tie at 28 decimals rounds down to even", "0.0000000000000000000000000005",
                     "2", "0.0000000000000000000000000002"},
        BoundaryCase{"exact quotient drops its trailing zeros", "30", "0.6", "50"},
        BoundaryCase{"typical price over value", "30", "44.64", "0.6720430107526881720430107527"},
        BoundaryCase{"whole part with repeating decimals", "100", "7",
                     "14.285714285714285714285714286"}),
    testing::RowName<::testing::TestParamInfo<BoundaryCase>>);

}  // namespace
}  // namespace worthmere
