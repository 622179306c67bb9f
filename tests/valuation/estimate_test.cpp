#include "valuation/estimate.h"
#include "reference/worked_example.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace worthmere {
namespace {

using WrittenYears = std::vector<std::pair<int, std::string>>;

// Records the years in the order the window would write them into its boxes.
YearWritten RecordInto(WrittenYears& written) {
  return [&written](int year, const std::string& text) { written.emplace_back(year, text); };
}

namespace worked = worked_example;

const EstimateInputs kStartUpInputs{worked::kFreeCashFlow, worked::kGrowth, worked::kDiscount,
                                    worked::kShares};

const YearTexts kStartUpYears = [] {
  YearTexts years;
  for (std::size_t i = 0; i < years.size(); ++i) years[i] = worked::kYears[i];
  return years;
}();

WrittenYears StartUpYearsWritten(int count) {
  WrittenYears written;
  for (int year = 1; year <= count; ++year) written.emplace_back(year, kStartUpYears[year - 1]);
  return written;
}

EstimateInputs WithInputs(std::string free_cash_flow, std::string growth, std::string discount,
                          std::string shares) {
  return {std::move(free_cash_flow), std::move(growth), std::move(discount), std::move(shares)};
}

TEST(EstimateTest, StartUpTextsGiveTheWorkedExample) {
  WrittenYears written;
  const auto estimate = EstimateValue(kStartUpInputs, RecordInto(written));
  ASSERT_TRUE(estimate.ok());
  EXPECT_EQ(estimate->years, kStartUpYears);
  EXPECT_EQ(estimate->share_value.present_value_text, worked::kPresentValue);
  EXPECT_EQ(estimate->share_value.value_per_share_text, worked::kValuePerShare);
  EXPECT_EQ(written, StartUpYearsWritten(10));
}

TEST(EstimateTest, EnterFormattedAndBareFiguresReadAlike) {
  struct Row {
    const char* behaviour;
    EstimateInputs inputs;
  };
  const Row rows[] = {
      {"cash flow with dollar sign and groups",
       WithInputs("$4,141,000,000", "8", "0.0625", "1,473,000,000")},
      {"bare digits", WithInputs("4141000000", "8", "0.0625", "1473000000")},
      {"cash flow with two commas in a row",
       WithInputs("4,,141,000,000", "8", "0.0625", "1,473,000,000")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    const auto estimate = EstimateValue(row.inputs);
    ASSERT_TRUE(estimate.ok());
    EXPECT_EQ(estimate->years, kStartUpYears);
    EXPECT_EQ(estimate->share_value.value_per_share_text, worked::kValuePerShare);
  }
}

TEST(EstimateTest, EdgeInputsGiveTheirChainsAndValues) {
  struct Row {
    const char* behaviour;
    EstimateInputs inputs;
    std::string year1;
    std::string year10;
    std::string present_value;
    std::string per_share;
  };
  const Row rows[] = {
      {"no growth keeps the flow with four decimals",
       WithInputs("4,141,000,000", "0", "0.0625", "1,473,000,000"), "4141000000.0000",
       "4141000000.0000", "39569529888.97", "26.86"},
      {"negative growth shrinks the chain",
       WithInputs("4,141,000,000", "-5", "0.0625", "1,473,000,000"), "3933950000.0000",
       "2479369665.3861", "29207149174.09", "19.83"},
      {"negative cash flow gives negative years and value",
       WithInputs("-4,141,000,000", "8", "0.0625", "1,473,000,000"), "-4472280000.0000",
       "-8940108413.7067", "-65752926687.23", "-44.64"},
      {"discount zero is the plain sum of the fifteen flows",
       WithInputs("4,141,000,000", "8", "0", "1,473,000,000"), "4472280000.0000", "8940108413.7067",
       "109488505653.57", "74.33"},
      {"discount typed as a percentage is used unscaled",
       WithInputs("4,141,000,000", "8", "6.25", "1,473,000,000"), "4472280000.0000",
       "8940108413.7067", "724842787.35", ".49"},
      {"zero cash flow shows no digit before the point",
       WithInputs("0", "8", "0.0625", "1,473,000,000"), ".0000", ".0000", ".00", ".00"},
      {"the largest decimal without growth stays exact",
       WithInputs("79228162514264337593543950335", "0", "0.0625", "1,473,000,000"),
       "79228162514264337593543950335.0000", "79228162514264337593543950335.0000",
       "757068617400772000000000000000.00", "513963759267327000000.00"},
      {"the value per share divides the total as shown, not the unrounded sum",
       WithInputs("6.6671", "0", "0", "2"), "6.6671", "6.6671", "100.01", "50.01"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    const auto estimate = EstimateValue(row.inputs);
    ASSERT_TRUE(estimate.ok());
    EXPECT_EQ(estimate->years[0], row.year1);
    EXPECT_EQ(estimate->years[9], row.year10);
    EXPECT_EQ(estimate->share_value.present_value_text, row.present_value);
    EXPECT_EQ(estimate->share_value.value_per_share_text, row.per_share);
  }
}

TEST(EstimateTest, EachYearGrowsFromThePreviousYearAsWritten) {
  // Unrounded, 0.0001 grown by half ten times would be .0058; rounding every year to four
  // decimals, halves away from zero, carries the chain to .0093.
  const auto years = ProjectCashFlows("0.0001", "50");
  ASSERT_TRUE(years.ok());
  const YearTexts expected{".0002", ".0003", ".0005", ".0008", ".0012",
                           ".0018", ".0027", ".0041", ".0062", ".0093"};
  EXPECT_EQ(*years, expected);
}

TEST(EstimateTest, FailuresKeepTheYearsWrittenBeforeThem) {
  struct Row {
    const char* behaviour;
    EstimateInputs inputs;
    WrittenYears written;
  };
  const Row rows[] = {
      {"empty cash flow", WithInputs("", "8", "0.0625", "1,473,000,000"), {}},
      {"empty growth fails before any year", WithInputs("4,141,000,000", "", "0.0625", "1"), {}},
      {"letters in growth", WithInputs("4,141,000,000", "abc", "0.0625", "1"), {}},
      {"cash flow beyond the decimal range", WithInputs("1E+29", "8", "0.0625", "1"), {}},
      {"growth beyond the decimal range", WithInputs("1", "1E+29", "0.0625", "1"), {}},
      {"chain overflowing in year three",
       WithInputs("5E+28", "20", "0.0625", "1"),
       {{1, "60000000000000000000000000000.0000"}, {2, "72000000000000000000000000000.0000"}}},
      {"discount not a number", WithInputs("4,141,000,000", "8", "abc", "1"),
       StartUpYearsWritten(10)},
      {"discount beyond the decimal range", WithInputs("4,141,000,000", "8", "1E+29", "1"),
       StartUpYearsWritten(10)},
      {"discount of minus one", WithInputs("4,141,000,000", "8", "-1", "1"),
       StartUpYearsWritten(10)},
      {"discount whose fifteenth power overflows", WithInputs("4,141,000,000", "8", "1E+21", "1"),
       StartUpYearsWritten(10)},
      {"zero shares", WithInputs("4,141,000,000", "8", "0.0625", "0"), StartUpYearsWritten(10)},
      {"empty shares", WithInputs("4,141,000,000", "8", "0.0625", ""), StartUpYearsWritten(10)},
      {"zero total over zero shares",
       WithInputs("0", "8", "0.0625", "0"),
       {{1, ".0000"},
        {2, ".0000"},
        {3, ".0000"},
        {4, ".0000"},
        {5, ".0000"},
        {6, ".0000"},
        {7, ".0000"},
        {8, ".0000"},
        {9, ".0000"},
        {10, ".0000"}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    WrittenYears written;
    EXPECT_FALSE(EstimateValue(row.inputs, RecordInto(written)).ok());
    EXPECT_EQ(written, row.written);
  }
}

TEST(EstimateTest, NetPresentValueDiscountsFromTheFirstPeriod) {
  constexpr double kHuge = std::numeric_limits<double>::max();
  struct Row {
    const char* behaviour;
    double rate;
    std::vector<double> flows;
    bool ok;
    double total;
  };
  const Row rows[] = {
      {"year one divided by one plus the rate", 0.25, {125.0, 156.25}, true, 200.0},
      {"no flows give zero", 0.0625, {}, true, 0.0},
      {"rate of minus one fails", -1.0, {1.0}, false, 0.0},
      {"rate of minus one fails without flows", -1.0, {}, false, 0.0},
      {"sum beyond the double range fails", 0.0, {kHuge, kHuge}, false, 0.0},
      {"quotient beyond the double range fails", -0.5, {kHuge}, false, 0.0},
      {"rate that is not a number fails",
       std::numeric_limits<double>::quiet_NaN(),
       {1.0},
       false,
       0.0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    const auto total = NetPresentValue(row.rate, row.flows);
    ASSERT_EQ(total.ok(), row.ok);
    if (row.ok) {
      EXPECT_EQ(*total, row.total);
    }
  }
}

}  // namespace
}  // namespace worthmere
