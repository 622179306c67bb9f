#include "valuation/numbers/format_number.h"

#include <gtest/gtest.h>

#include <string>

#include "test_names.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere {
namespace {

struct PatternCase {
  const char* behaviour;
  const char* value;  // read as a double, and as a decimal where it fits
  const char* pattern;
  const char* text;
};

// Every row is checked for a double and for a DecimalNumber holding the same typed value.
class PatternTable : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternTable, FormatsDoubleAndDecimalAlike) {
  const PatternCase& c = GetParam();
  const NumberResult<double> as_double = TextToDouble(c.value);
  ASSERT_TRUE(as_double.ok()) << c.value;
  EXPECT_EQ(FormatNumber(*as_double, c.pattern), c.text)
      << "double " << c.value << " with \"" << c.pattern << '"';
  const NumberResult<DecimalNumber> as_decimal = TextToDecimal(c.value);
  ASSERT_TRUE(as_decimal.ok()) << c.value;
  EXPECT_EQ(FormatNumber(*as_decimal, c.pattern), c.text)
      << "decimal " << c.value << " with \"" << c.pattern << '"';
}

INSTANTIATE_TEST_SUITE_P(
    SystemPatterns, PatternTable,
    ::testing::Values(
        PatternCase{"four decimals zero", "0", "###.0000", ".0000"},
        PatternCase{"four decimals whole", "4472280000", "###.0000", "4472280000.0000"},
        PatternCase{"four decimals padded", "5633784783.36", "###.0000", "5633784783.3600"},
        PatternCase{"four decimals rounded", "6571246571.311104", "###.0000", "6571246571.3111"},
        PatternCase{"two decimals zero", "0", "###.00", ".00"},
        PatternCase{"two decimals rounded", "44.6387825", "###.00", "44.64"},
        PatternCase{"two decimals without whole digit", "0.5", "###.00", ".50"},
        PatternCase{"two decimals negative", "-3.2", "###.00", "-3.20"},
        PatternCase{"optional decimals zero", "0", "###.##", "."},
        PatternCase{"optional decimals below one", "0.672043", "###.##", ".67"},
        PatternCase{"optional decimals trailing zero dropped", "32.795699", "###.##", "32.8"},
        PatternCase{"optional decimals whole number", "100", "###.##", "100."},
        PatternCase{"optional decimals half rounds up", "1.005", "###.##", "1.01"},
        PatternCase{"optional decimals one digit", "0.5", "###.##", ".5"},
        PatternCase{"whole number ends in the point", "45", "###.##", "45."},
        PatternCase{"one optional decimal used", "45.5", "###.##", "45.5"},
        PatternCase{"one decimal zero", "0", "###.0", ".0"},
        PatternCase{"one decimal rounded", "12.086048", "###.0", "12.1"},
        PatternCase{"one decimal whole", "13", "###.0", "13.0"},
        PatternCase{"one decimal negative half away from zero", "-2.46", "###.0", "-2.5"},
        PatternCase{"one decimal small value", "0.04", "###.0", ".0"},
        PatternCase{"display reset", "0", "0.", "0."},
        PatternCase{"negative entry start", "0", "-0.", "-0."},
        PatternCase{"digit entry start", "0", ".", "."},
        PatternCase{"currency zero", "0", "$###,###,###,###", "$"},
        PatternCase{"currency grouped", "4141000000", "$###,###,###,###", "$4,141,000,000"},
        PatternCase{"currency rounded to whole", "1234.5", "$###,###,###,###", "$1,235"},
        PatternCase{"currency negative sign before the literal", "-5", "$###,###,###,###", "-$5"},
        PatternCase{"currency whole part longer than the placeholders", "12345678901234",
                    "$###,###,###,###", "$12,345,678,901,234"},
        PatternCase{"currency half rounds up", "2.5", "$###,###,###,###", "$3"},
        PatternCase{"shares zero is empty", "0", "###,###,###,###", ""},
        PatternCase{"shares grouped", "1473000000", "###,###,###,###", "1,473,000,000"},
        PatternCase{"shares below a thousand", "999", "###,###,###,###", "999"},
        PatternCase{"shares one group", "1000", "###,###,###,###", "1,000"},
        PatternCase{"shares below one half is empty", "0.4", "###,###,###,###", ""},
        PatternCase{"half rounds away from zero", "0.125", "###.00", ".13"},
        PatternCase{"negative half rounds away from zero", "-0.125", "###.00", "-.13"},
        PatternCase{"decimal tie of a binary fraction", "2.675", "###.00", "2.68"},
        PatternCase{"negative value rounding to zero has no sign", "-0.001", "###.00", ".00"},
        PatternCase{"rounding carries into the whole part", "9.999", "###.00", "10.00"},
        PatternCase{"rounding carries into a new group", "999999.5", "###,###", "1,000,000"},
        PatternCase{"mixed fraction placeholders keep the zeros", "1.5", "#.00##", "1.50"},
        PatternCase{"mixed fraction placeholders up to their count", "1.23456", "#.00##", "1.2346"},
        PatternCase{"zeros in the whole part pad it", "7", "000.0", "007.0"},
        PatternCase{"literal after the placeholders", "5", "#.0 %", "5.0 %"}),
    testing::RowName<::testing::TestParamInfo<PatternCase>>);

struct DoubleOnlyCase {
  const char* behaviour;
  double value;
  const char* pattern;
  const char* text;
};

class DoublePatterns : public ::testing::TestWithParam<DoubleOnlyCase> {};

TEST_P(DoublePatterns, RoundsThe15DigitForm) {
  const DoubleOnlyCase& c = GetParam();
  EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Doubles, DoublePatterns,
    ::testing::Values(DoubleOnlyCase{"digits beyond the 15th are zeros", 1234567890123456789.0,
                                     "###,###,###,###", "1,234,567,890,123,460,000"},
                      DoubleOnlyCase{"four decimals beyond 15 digits", 123456789012.34567,
                                     "###.0000", "123456789012.3460"},
                      DoubleOnlyCase{"negative zero has no sign", -0.0, "###.00", ".00"},
                      DoubleOnlyCase{"tiny value rounds to nothing", 1e-300, "0.##", "0."},
                      DoubleOnlyCase{"huge value written in full", 1e20, "#",
                                     "100000000000000000000"},
                      DoubleOnlyCase{"infinity does not crash",
                                     std::numeric_limits<double>::infinity(), "###.00", "inf"}),
    testing::RowName<::testing::TestParamInfo<DoubleOnlyCase>>);

struct TextCase {
  const char* behaviour;
  const char* text;
  const char* pattern;
  const char* result;
};

class TextPatterns : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextPatterns, FormatsTheNumberReadOrPassesTheText) {
  const TextCase& c = GetParam();
  EXPECT_EQ(FormatNumber(std::string_view(c.text), c.pattern), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextPatterns,
    ::testing::Values(
        TextCase{"grouped text gets the currency sign", "4,141,000,000", "$###,###,###,###",
                 "$4,141,000,000"},
        TextCase{"formatted text formats to itself", "$4,141,000,000", "$###,###,###,###",
                 "$4,141,000,000"},
        TextCase{"letters come back unchanged", "abc", "$###,###,###,###", "abc"},
        TextCase{"empty text stays empty", "", "###,###,###,###", ""},
        TextCase{"text beyond the decimal range is written as its double", "1E+30",
                 "$###,###,###,###", "$1,000,000,000,000,000,000,000,000,000,000"},
        TextCase{"a decimal text keeps 15 significant digits", "79228162514264337593543950335",
                 "###,###,###,###", "79,228,162,514,264,300,000,000,000,000"},
        TextCase{"overflowing text comes back unchanged", "1E999", "###.00", "1E999"}),
    testing::RowName<::testing::TestParamInfo<TextCase>>);

}  // namespace
}  // namespace worthmere
