#include "valuation/numbers/text_to_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <random>
#include <string>
#include <string_view>

#include "reference/nearest_double.h"
#include "reference/shown_result.h"
#include "test_names.h"
#include "valuation/numbers/number_to_text.h"

namespace worthmere {
namespace {

// What a conversion gives, as text: the value in plain form or the error's name.
std::string ReadAsDouble(std::string_view text) { return reference::Shown(TextToDouble(text)); }

std::string ReadAsDecimal(std::string_view text) { return reference::Shown(TextToDecimal(text)); }

struct ReadCase {
  const char* behaviour;
  std::string_view text;
  const char* as_double;
  const char* as_decimal;
};

class AcceptedForms : public ::testing::TestWithParam<ReadCase> {};

TEST_P(AcceptedForms, ReadsTheValue) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(ReadAsDouble(c.text), c.as_double) << "text: \"" << c.text << '"';
  EXPECT_EQ(ReadAsDecimal(c.text), c.as_decimal) << "text: \"" << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, AcceptedForms,
    ::testing::Values(
        ReadCase{"single digit", "8", "8", "8"},
        ReadCase{"decimal fraction", "0.0625", "0.0625", "0.0625"},
        ReadCase{"digit group commas", "4,141,000,000", "4141000000", "4141000000"},
        ReadCase{"commas dropped wherever they stand", "1473,000000", "1473000000", "1473000000"},
        ReadCase{"currency sign before the digits", "$4,141,000,000", "4141000000", "4141000000"},
        ReadCase{"minus before currency sign", "-$5", "-5", "-5"},
        ReadCase{"currency sign before minus", "$-5", "-5", "-5"},
        ReadCase{"plus sign", "+7", "7", "7"},
        ReadCase{"plus after currency sign", "$+7", "7", "7"},
        ReadCase{"point ends the number", "12.", "12", "12"},
        ReadCase{"no digit before the point", ".5", "0.5", "0.5"},
        ReadCase{"minus and no digit before the point", "-.5", "-0.5", "-0.5"},
        ReadCase{"single commas between single digits", "1,2,3", "123", "123"},
        ReadCase{"two commas in a row", "1,,2", "12", "12"},
        ReadCase{"a run of commas between two digits", "1,,,,2", "12", "12"},
        ReadCase{"the platform's decimal comma is a digit group comma", "1,5", "15", "15"},
        ReadCase{"exponent", "1E5", "100000", "100000"},
        ReadCase{"small exponent with sign", "2.5e-3", "0.0025", "0.0025"},
        ReadCase{"exponent with plus", "1.5E+2", "150", "150"},
        ReadCase{"exponent after a bare point", "5.E2", "500", "500"},
        ReadCase{"spaces around", "  7  ", "7", "7"},
        ReadCase{"trailing zeros kept out of the plain form", "8.50", "8.5", "8.5"},
        ReadCase{"leading zeros", "007", "7", "7"},
        ReadCase{"negative zero reads as zero", "-0", "0", "0"},
        ReadCase{"zero with a huge exponent", "0E+99999999999999999999", "0", "0"}),
    testing::RowName<::testing::TestParamInfo<ReadCase>>);

struct RejectCase {
  const char* behaviour;
  std::string_view text;
};

class RejectedForms : public ::testing::TestWithParam<RejectCase> {};

TEST_P(RejectedForms, IsNotANumber) {
  const RejectCase& c = GetParam();
  EXPECT_EQ(ReadAsDouble(c.text), "NotANumber") << "text: \"" << c.text << '"';
  EXPECT_EQ(ReadAsDecimal(c.text), "NotANumber") << "text: \"" << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, RejectedForms,
    ::testing::Values(
        RejectCase{"empty text", ""}, RejectCase{"only spaces", "   "},
        RejectCase{"lone minus", "-"}, RejectCase{"lone plus", "+"}, RejectCase{"lone point", "."},
        RejectCase{"lone currency sign", "$"}, RejectCase{"sign and point only", "-."},
        RejectCase{"letters", "abc"}, RejectCase{"second decimal point", "1.2.3"},
        RejectCase{"exponent without digits", "1E"},
        RejectCase{"exponent sign without digits", "1E+"},
        RejectCase{"exponent without mantissa", "E5"},
        RejectCase{"comma before the first digit", ",5"},
        RejectCase{"comma after the last digit", "5,"},
        RejectCase{"comma before the point", "5,.5"}, RejectCase{"comma after the point", "1.5,0"},
        RejectCase{"comma right after the point", "1.,5"},
        RejectCase{"comma before the exponent", "1,e5"}, RejectCase{"trailing sign", "5-"},
        RejectCase{"parentheses", "(5)"}, RejectCase{"trailing currency sign", "5$"},
        RejectCase{"hexadecimal prefix", "&H10"}, RejectCase{"octal prefix", "&O10"},
        RejectCase{"C hexadecimal prefix", "0x10"}, RejectCase{"space after the sign", "- 5"},
        RejectCase{"space after the currency sign", "$ 5"}, RejectCase{"tab is not a space", "\t5"},
        RejectCase{"tab after the digits is not a space", "5\t"},
        RejectCase{"line break is not a space", "5\n"},
        RejectCase{"no-break space is not a space",
                   "\xC2\xA0"
                   "5"},
        RejectCase{"two signs", "--5"}, RejectCase{"two currency signs", "$$5"},
        RejectCase{"trailing sign after a currency sign", "$5-"},
        RejectCase{"infinity word", "inf"}, RejectCase{"not-a-number word", "nan"},
        RejectCase{"signed infinity word", "-infinity"},
        RejectCase{"space inside the digits", "1 000"},
        RejectCase{"embedded zero character", std::string_view("5\0", 2)},
        RejectCase{"fraction exponent", "1E2.5"}),
    testing::RowName<::testing::TestParamInfo<RejectCase>>);

struct RangeCase {
  const char* behaviour;
  std::string_view text;
  const char* as_double;
  const char* as_decimal;
};

class RangeLimits : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeLimits, ReadsOrFails) {
  const RangeCase& c = GetParam();
  EXPECT_EQ(ReadAsDouble(c.text), c.as_double) << "text: \"" << c.text << '"';
  EXPECT_EQ(ReadAsDecimal(c.text), c.as_decimal) << "text: \"" << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Range, RangeLimits,
    ::testing::Values(
        RangeCase{"largest double", "1.7976931348623157E308", "1.79769313486232E+308", "Overflow"},
        RangeCase{"beyond the largest double", "1.8E308", "Overflow", "Overflow"},
        RangeCase{"negative beyond the largest double", "-1E309", "Overflow", "Overflow"},
        RangeCase{"huge exponent", "1E+99999999999999999999", "Overflow", "Overflow"},
        RangeCase{"tiny exponent reads as zero", "1E-99999999999999999999", "0", "0"},
        RangeCase{"underflow reads as zero", "1E-400", "0", "0"},
        RangeCase{"negative underflow reads as zero", "-1E-400", "0", "0"},
        RangeCase{"smallest subnormal double", "5E-324", "4.94065645841247E-324", "0"},
        RangeCase{"largest decimal magnitude", "79228162514264337593543950335",
                  "7.92281625142643E+28", "79228162514264337593543950335"},
        RangeCase{"one above the largest decimal magnitude", "79228162514264337593543950336",
                  "7.92281625142643E+28", "Overflow"},
        RangeCase{"largest decimal magnitude with digit groups",
                  "-$79,228,162,514,264,337,593,543,950,335", "-7.92281625142643E+28",
                  "-79228162514264337593543950335"},
        RangeCase{"1E+29 beyond the decimal range", "1E29", "1E+29", "Overflow"},
        RangeCase{"finest decimal step", "1E-28", "1E-28", "0.0000000000000000000000000001"},
        RangeCase{"28 decimals kept exactly", "0.1234567890123456789012345678", "0.123456789012346",
                  "0.1234567890123456789012345678"},
        RangeCase{"19 digits", "9999999999999999999", "1E+19", "9999999999999999999"},
        RangeCase{"20 digits", "18446744073709551616", "1.84467440737096E+19",
                  "18446744073709551616"},
        RangeCase{"19 digits with leading zeros", "0.000000000000000001", "1E-18",
                  "0.000000000000000001"},
        RangeCase{"20 digits with leading zeros", "0.0000000000000000001", "1E-19",
                  "0.0000000000000000001"},
        RangeCase{"exponent below the finest decimal step", "1.5E-28", "1.5E-28",
                  "0.0000000000000000000000000002"},
        RangeCase{"exponent beyond the exact double powers of ten", "1E23", "1E+23",
                  "100000000000000000000000"}),
    testing::RowName<::testing::TestParamInfo<RangeCase>>);

struct LongDecimalCase {
  const char* behaviour;
  const char* text;
  const char* decimal;
};

class LongDecimals : public ::testing::TestWithParam<LongDecimalCase> {};

TEST_P(LongDecimals, RoundHalfToEvenFromTheExactText) {
  EXPECT_EQ(ReadAsDecimal(GetParam().text), GetParam().decimal) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, LongDecimals,
    ::testing::Values(
        LongDecimalCase{"29th decimal tie goes down to even", "0.00000000000000000000000000025",
                        "0.0000000000000000000000000002"},
        LongDecimalCase{"29th decimal tie goes up to even", "0.00000000000000000000000000035",
                        "0.0000000000000000000000000004"},
        LongDecimalCase{"a far non-zero digit breaks the tie",
                        "0.000000000000000000000000000250000000000000001",
                        "0.0000000000000000000000000003"},
        LongDecimalCase{"below half the finest step is zero", "0.00000000000000000000000000004",
                        "0"},
        LongDecimalCase{"half the finest step ties to zero", "0.00000000000000000000000000005",
                        "0"},
        LongDecimalCase{"above half the finest step is the finest step",
                        "0.00000000000000000000000000006", "0.0000000000000000000000000001"},
        LongDecimalCase{"30 significant digits lose the last", "1.23456789012345678901234567895",
                        "1.234567890123456789012345679"},
        LongDecimalCase{"whole part uses the room of the decimals",
                        "12345678901234567890.123456789012345", "12345678901234567890.123456789"},
        LongDecimalCase{"largest magnitude with a fraction below one half",
                        "79228162514264337593543950335.4999", "79228162514264337593543950335"},
        LongDecimalCase{"largest magnitude with one half rounds beyond the range",
                        "79228162514264337593543950335.5", "Overflow"},
        LongDecimalCase{"exponent shifts the digits into range",
                        "79228162514264337593543950335000E-3", "79228162514264337593543950335"},
        LongDecimalCase{"exponent and fraction cancel", "1.5E1", "15"}),
    testing::RowName<::testing::TestParamInfo<LongDecimalCase>>);

TEST(LongDoubles, DigitsFarBeyondThePrecisionStillDecideTheTie) {
  // 2^53 + 1 lies halfway between two doubles: alone it goes to the even one, with any non-zero
  // digit after it, however far, it goes up.
  const std::string tie = "9007199254740993";
  EXPECT_EQ(*TextToDouble(tie), 9007199254740992.0);
  EXPECT_EQ(*TextToDouble(tie + "." + std::string(2000, '0')), 9007199254740992.0);
  EXPECT_EQ(*TextToDouble(tie + "." + std::string(2000, '0') + "1"), 9007199254740994.0);
  EXPECT_EQ(*TextToDouble(tie + std::string(2000, '0') + "1E-2001"), 9007199254740994.0);
}

// Plain figures, which the fast way reads as they stand, and the same figures with "$" and
// digit-group commas, which take the general way: both must be the double nearest to the digits,
// with the text's sign even at zero.
TEST(DoubleReading, PlainAndGroupedFiguresReadAsTheNearestDouble) {
  std::mt19937_64 engine(19);
  for (int i = 0; i < 4000; ++i) {
    std::string whole(static_cast<std::size_t>(engine() % 20) + 1, '0');
    for (char& c : whole) c = static_cast<char>('0' + engine() % 10);
    std::string fraction;
    int exponent = 0;
    std::string rest;
    if (engine() % 2 == 0) {
      fraction = std::to_string(engine() % 100000);
      rest = "." + fraction;
    }
    if (engine() % 4 == 0) {
      exponent = static_cast<int>(engine() % 61) - 30;
      rest += "E" + std::to_string(exponent);
    }
    const std::string sign = engine() % 2 == 0 ? "-" : "";
    std::string grouped = whole;
    for (auto at = static_cast<std::ptrdiff_t>(grouped.size()) - 3; at > 0; at -= 3) {
      grouped.insert(static_cast<std::size_t>(at), ",");
    }
    const reference::ScaledValue exact{!sign.empty(), whole + fraction, 0,
                                       exponent - static_cast<int>(fraction.size())};
    for (const std::string& text : {sign + whole + rest, sign + "$" + grouped + rest}) {
      const NumberResult<double> read = TextToDouble(text);
      ASSERT_TRUE(read.ok()) << text;
      ASSERT_TRUE(reference::IsNearestDouble(exact, *read) && std::signbit(*read) == exact.negative)
          << text << " reads as " << reference::BinaryText(*read);
    }
  }
}

struct HugeInputCase {
  const char* behaviour;
  std::string text;
  const char* as_double;
  const char* as_decimal;
};

class HugeInputs : public ::testing::TestWithParam<HugeInputCase> {};

TEST_P(HugeInputs, GiveAValueOrAClearError) {
  const HugeInputCase& c = GetParam();
  EXPECT_EQ(ReadAsDouble(c.text), c.as_double);
  EXPECT_EQ(ReadAsDecimal(c.text), c.as_decimal);
}

const std::string kMegabyte(std::size_t{1} << 20, '7');

// "1,000,000..." with `groups` groups of three zeros.
std::string GroupedThousands(int groups) {
  std::string text = "1";
  for (int i = 0; i < groups; ++i) text += ",000";
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, HugeInputs,
    ::testing::Values(
        HugeInputCase{"a megabyte of digits", kMegabyte, "Overflow", "Overflow"},
        HugeInputCase{"a megabyte of grouped digits", GroupedThousands(1 << 18), "Overflow",
                      "Overflow"},
        HugeInputCase{"a megabyte of letters", std::string(1 << 20, 'x'), "NotANumber",
                      "NotANumber"},
        HugeInputCase{"a megabyte of minus signs", std::string(1 << 20, '-'), "NotANumber",
                      "NotANumber"},
        HugeInputCase{"a megabyte of spaces", std::string(1 << 20, ' '), "NotANumber",
                      "NotANumber"},
        HugeInputCase{"a megabyte of points", std::string(1 << 20, '.'), "NotANumber",
                      "NotANumber"},
        HugeInputCase{"a megabyte of digits ending in a letter", kMegabyte + "x", "NotANumber",
                      "NotANumber"},
        HugeInputCase{"a million zeros after the point",
                      std::string("0.").append(1000000, '0').append("1"), "0", "0"},
        HugeInputCase{"a million zeros then a matching exponent",
                      std::string("1").append(1000000, '0').append("E-1000000"), "1", "1"},
        HugeInputCase{"a megabyte of digits with a huge negative exponent",
                      kMegabyte + "E-99999999999999999999", "0", "0"},
        HugeInputCase{"a megabyte of zeros", std::string(1 << 20, '0'), "0", "0"},
        HugeInputCase{"a megabyte of spaces around a number",
                      std::string(1 << 19, ' ') + "-$1,250.50" + std::string(1 << 19, ' '),
                      "-1250.5", "-1250.5"}),
    testing::RowName<::testing::TestParamInfo<HugeInputCase>>);

}  // namespace
}  // namespace worthmere
