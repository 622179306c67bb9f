#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "reference/exact_decimal.h"
#include "reference/shown_result.h"
#include "test_names.h"
#include "valuation/numbers/decimal_number.h"
#include "valuation/numbers/number_to_text.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere {
namespace {

using reference::ExactProduct;
using reference::ExactQuotient;
using reference::ExactSum;
using reference::Shown;

// The exact value rounded half to even at the finest scale that fits, as DecimalNumber rounds.
std::string ExpectedText(const reference::ExactValue& exact) {
  return reference::RoundedText(exact, DecimalNumber::kMaxScale, Rounding::HalfToEven);
}

DecimalNumber Read(const char* text) {
  const NumberResult<DecimalNumber> value = TextToDecimal(text);
  EXPECT_TRUE(value.ok()) << text;
  return value ? *value : DecimalNumber();
}

// Operands of every size: a third with few digits and decimals, like typed figures, the rest
// spread over the whole magnitude and scale range. The engine's output sequence is fixed by the
// standard, so the operands are the same everywhere.
DecimalNumber RandomOperand(std::mt19937_64& engine) {
  const bool typical = engine() % 3 == 0;
  const int bits = static_cast<int>(engine() % (typical ? 41 : 97));
  std::uint64_t low = engine();
  std::uint32_t high = static_cast<std::uint32_t>(engine());
  if (bits <= 64) {
    high = 0;
    if (bits < 64) low &= (std::uint64_t{1} << bits) - 1;
  } else if (bits < 96) {
    high &= (std::uint32_t{1} << (bits - 64)) - 1;
  }
  const int scale = static_cast<int>(engine() % (typical ? 7 : 29));
  return *DecimalNumber::FromParts(engine() % 2 == 0, low, high, scale);
}

std::string Describe(const DecimalNumber& value) {
  return NumberToText(value) + " (magnitude " + value.MagnitudeDigits() + ", scale " +
         std::to_string(value.Scale()) + ")";
}

constexpr int kTrials = 1000;

TEST(DecimalAgainstReference, Sums) {
  std::mt19937_64 engine(20240601);
  for (int i = 0; i < kTrials; ++i) {
    const DecimalNumber a = RandomOperand(engine);
    const DecimalNumber b = RandomOperand(engine);
    ASSERT_EQ(Shown(Add(a, b)), ExpectedText(ExactSum(a, b)))
        << Describe(a) << " + " << Describe(b);
    ASSERT_EQ(Shown(Subtract(a, b)), ExpectedText(reference::ExactDifference(a, b)))
        << Describe(a) << " - " << Describe(b);
  }
}

TEST(DecimalAgainstReference, Products) {
  std::mt19937_64 engine(20240602);
  for (int i = 0; i < kTrials; ++i) {
    const DecimalNumber a = RandomOperand(engine);
    const DecimalNumber b = RandomOperand(engine);
    ASSERT_EQ(Shown(Multiply(a, b)), ExpectedText(ExactProduct(a, b)))
        << Describe(a) << " * " << Describe(b);
  }
}

// About half the divisors fit one limb and take the short division, the rest the long one.
TEST(DecimalAgainstReference, Quotients) {
  std::mt19937_64 engine(20240603);
  for (int i = 0; i < kTrials; ++i) {
    const DecimalNumber a = RandomOperand(engine);
    const DecimalNumber b = RandomOperand(engine);
    if (b.IsZero()) continue;
    ASSERT_EQ(Shown(Divide(a, b)), ExpectedText(ExactQuotient(a, b)))
        << Describe(a) << " / " << Describe(b);
  }
}

enum class Operation { Add, Subtract, Multiply, Divide };

struct ArithmeticCase {
  const char* behaviour;
  Operation operation;
  const char* a;
  const char* b;
  const char* result;
};

class ArithmeticRules : public ::testing::TestWithParam<ArithmeticCase> {};

TEST_P(ArithmeticRules, GiveTheExpectedResult) {
  const ArithmeticCase& c = GetParam();
  const DecimalNumber a = Read(c.a);
  const DecimalNumber b = Read(c.b);
  NumberResult<DecimalNumber> result = DecimalNumber();
  switch (c.operation) {
    case Operation::Add:
      result = Add(a, b);
      break;
    case Operation::Subtract:
      result = Subtract(a, b);
      break;
    case Operation::Multiply:
      result = Multiply(a, b);
      break;
    case Operation::Divide:
      result = Divide(a, b);
      break;
  }
  EXPECT_EQ(Shown(result), c.result) << c.a << " and " << c.b;
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ArithmeticRules,
    ::testing::Values(
        ArithmeticCase{"exact sum", Operation::Add, "0.1", "0.2", "0.3"},
        ArithmeticCase{"exact difference changes sign", Operation::Subtract, "1.5", "2.25",
                       "-0.75"},
        ArithmeticCase{"exact product", Operation::Multiply, "4141000000", "1.08", "4472280000"},
        ArithmeticCase{"sum just below 2^64", Operation::Add, "18446744073709551614", "1",
                       "18446744073709551615"},
        ArithmeticCase{"sum reaching 2^64", Operation::Add, "18446744073709551615", "1",
                       "18446744073709551616"},
        ArithmeticCase{"sum whose scale alignment passes 2^64", Operation::Add,
                       "1844674407370955162", "0.1", "1844674407370955162.1"},
        ArithmeticCase{"difference of magnitudes beyond 2^64", Operation::Subtract,
                       "18446744073709551616", "0.5", "18446744073709551615.5"},
        ArithmeticCase{"product just below 2^64", Operation::Multiply, "4294967295", "4294967295",
                       "18446744065119617025"},
        ArithmeticCase{"product reaching 2^64", Operation::Multiply, "4294967296", "4294967296",
                       "18446744073709551616"},
        ArithmeticCase{"product of small magnitudes beyond the finest step", Operation::Multiply,
                       "0.00000000000003", "0.000000000000005", "0.0000000000000000000000000002"},
        ArithmeticCase{"exact quotient without trailing zeros", Operation::Divide, "1", "4",
                       "0.25"},
        ArithmeticCase{"repeating quotient rounds up the last digit", Operation::Divide, "2", "3",
                       "0.6666666666666666666666666667"},
        ArithmeticCase{"repeating quotient rounds down the last digit", Operation::Divide, "1", "3",
                       "0.3333333333333333333333333333"},
        ArithmeticCase{"large quotient keeps the digits that fit", Operation::Divide,
                       "10000000000000000000000000000", "3", "3333333333333333333333333333.3"},
        ArithmeticCase{"half to even: tie below the finest step goes down to even",
                       Operation::Multiply, "0.0000000000000000000000000001", "0.5", "0"},
        ArithmeticCase{"half to even: tie goes up to even", Operation::Multiply,
                       "0.0000000000000000000000000003", "0.5", "0.0000000000000000000000000002"},
        ArithmeticCase{"half to even: tie goes down to even", Operation::Multiply,
                       "0.0000000000000000000000000005", "0.5", "0.0000000000000000000000000002"},
        ArithmeticCase{"half to even: above the tie goes up", Operation::Multiply,
                       "0.0000000000000000000000000005", "0.51", "0.0000000000000000000000000003"},
        ArithmeticCase{"half to even on the whole part when the magnitude is full", Operation::Add,
                       "39614081257132168796771975168", "0.5", "39614081257132168796771975168"},
        ArithmeticCase{"half to even rounds the whole part up to even", Operation::Add,
                       "39614081257132168796771975167", "0.5", "39614081257132168796771975168"},
        ArithmeticCase{"largest magnitude plus a fraction below one half", Operation::Add,
                       "79228162514264337593543950335", "0.4", "79228162514264337593543950335"},
        ArithmeticCase{"largest magnitude plus one half rounds beyond the range", Operation::Add,
                       "79228162514264337593543950335", "0.5", "Overflow"},
        ArithmeticCase{"sum beyond 2^96 - 1", Operation::Add, "79228162514264337593543950335", "1",
                       "Overflow"},
        ArithmeticCase{"negative sum beyond the range", Operation::Subtract,
                       "-79228162514264337593543950335", "1", "Overflow"},
        ArithmeticCase{"product reaching 2^96", Operation::Multiply,
                       "39614081257132168796771975168", "2", "Overflow"},
        ArithmeticCase{"exact product fits once its trailing zero is dropped", Operation::Multiply,
                       "7922816251426433759354395033.5", "10", "79228162514264337593543950335"},
        ArithmeticCase{"product of the finest steps rounds to zero", Operation::Multiply,
                       "0.0000000000000000000000000001", "0.0000000000000000000000000001", "0"},
        ArithmeticCase{"quotient rounding up to 2^96 at 28 decimals keeps 27", Operation::Divide,
                       "55.459713759985036315480765235", "7", "7.922816251426433759354395034"},
        ArithmeticCase{"quotient just below 2^96 at 28 decimals keeps them", Operation::Divide,
                       "7.922816251426433759", "1.000000001", "7.9228162435036175154963824845"},
        ArithmeticCase{"quotient just above 2^96 at 28 decimals keeps 27", Operation::Divide,
                       "7.922816251426433759", "0.999999999", "7.922816259349250018349250018"},
        ArithmeticCase{"quotient cut beyond 96 bits at a tie rounds up to even", Operation::Divide,
                       "18446744073709551615", "32768", "562949953421311.99996948242188"},
        ArithmeticCase{"quotient cut beyond 96 bits at a tie stays on even", Operation::Divide,
                       "18446744073709551613", "32768", "562949953421311.99990844726562"},
        ArithmeticCase{"quotient tie at 28 decimals stays on even zero", Operation::Divide,
                       "0.0000000000000000000000000001", "2", "0"},
        ArithmeticCase{"quotient tie at 28 decimals rounds up to even", Operation::Divide,
                       "0.0000000000000000000000000003", "2", "0.0000000000000000000000000002"},
        ArithmeticCase{"quotient tie at 28 decimals rounds down to even", Operation::Divide,
                       "0.0000000000000000000000000005", "2", "0.0000000000000000000000000002"},
        ArithmeticCase{"long-division quotient tie at 28 decimals stays on even zero",
                       Operation::Divide, "0.0000000000000000000000000001", "2.0000000000", "0"},
        ArithmeticCase{"quotient by the finest step", Operation::Divide, "1",
                       "0.0000000000000000000000000001", "10000000000000000000000000000"},
        ArithmeticCase{"quotient beyond the range", Operation::Divide, "8",
                       "0.0000000000000000000000000001", "Overflow"},
        ArithmeticCase{"quotient below the finest step is zero", Operation::Divide,
                       "0.0000000000000000000000000001", "10", "0"},
        ArithmeticCase{"division by zero is an error value", Operation::Divide, "5", "0",
                       "DivideByZero"},
        ArithmeticCase{"zero divided by zero is an error value", Operation::Divide, "0", "0.00",
                       "DivideByZero"},
        ArithmeticCase{"zero divided by a number", Operation::Divide, "0", "-7", "0"},
        ArithmeticCase{"negative quotient", Operation::Divide, "-1", "8", "-0.125"},
        ArithmeticCase{"quotient of negatives", Operation::Divide, "-44.64", "-0.6", "74.4"}),
    testing::RowName<::testing::TestParamInfo<ArithmeticCase>>);

}  // namespace
}  // namespace worthmere
