#include "valuation/bargain_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reference/worked_example.h"
#include "valuation/numbers/number_to_text.h"

namespace worthmere {
namespace {

constexpr ReportKind kBargain = ReportKind::Bargain;
constexpr ReportKind kNotABargain = ReportKind::NotABargain;

TEST(BargainReportTest, WorkedPricesGiveTheirFullReports) {
  struct Row {
    const char* behaviour;
    const char* price;
    ReportKind kind;
    std::string text;
  };
  const Row rows[] = {
      {"the worked price is a bargain with its yield", worked_example::kPrice, kBargain,
       worked_example::kReportAtPrice},
      {"price above the value is no bargain", "60", kNotABargain,
       "P/V ratio = 1.34  and the estimated bargain = . percent. Therefore, it is not a bargain."},
      {"percentage under one is no bargain", "44.2", kNotABargain,
       "P/V ratio = .99  and the estimated bargain = .99 percent. Therefore, it is not a "
       "bargain."},
      {"percentage over one is a bargain", "44", kBargain,
       "Starting with an assumed FCF annual growth of 8 percent, the estimated intrinsic value "
       "per share is approximately $ 44.64 and you entered at a market price of $44 , so the P/V "
       "ratio = .99  and the estimated bargain = 1.43 percent. \r\n\r\nIf this is a high quality "
       "business with enduring competitive advantages, and honest and able management......based "
       "on compounding for 10 years, and a purchase price bargain of 1.43 percent, and a relative "
       "FCF growth of 8 percent, then the estimated effective annual yield may be greater than "
       "8.1 %."},
      {"default price of zero is a full bargain without yield part", "0", kBargain,
       "Starting with an assumed FCF annual growth of 8 percent, the estimated intrinsic value "
       "per share is approximately $ 44.64 and you entered at a market price of $0 , so the P/V "
       "ratio = .  and the estimated bargain = 100. percent. \r\n\r\nIf this is a high quality "
       "business with enduring competitive advantages, and honest and able management......based "
       "on compounding for 10 years, and a purchase price bargain of 100. percent, and a relative "
       "FCF growth of 8 percent, then the estimated effective annual yield may be greater than "
       "8 %."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    const auto report = ComposeBargainReport("44.64", row.price, "8");
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(report->kind, row.kind);
    EXPECT_EQ(report->text, row.text);
  }
}

TEST(BargainReportTest, BargainNeedsAShownPercentageAboveOne) {
  struct Row {
    const char* behaviour;
    const char* value;
    const char* price;
    ReportKind kind;
    std::string shown;
  };
  const Row rows[] = {
      {"half a percent", "100.00", "99.5", kNotABargain, "bargain = .5 percent."},
      {"exactly one percent", "100.00", "99", kNotABargain, "bargain = 1. percent."},
      {"1.004 percent shows as 1.", "100.00", "98.996", kNotABargain, "bargain = 1. percent."},
      {"1.005 percent shows as 1.01", "100.00", "98.995", kBargain, "bargain = 1.01 percent."},
      {"price equal to the value", "44.64", "44.64", kNotABargain,
       "ratio = 1.  and the estimated bargain = . percent."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    const auto report = ComposeBargainReport(row.value, row.price, "8");
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(report->kind, row.kind);
    EXPECT_NE(report->text.find(row.shown), std::string::npos) << report->text;
  }
}

TEST(BargainReportTest, ReportShowsEachFigureInItsForm) {
  struct Row {
    const char* behaviour;
    const char* value;
    const char* price;
    const char* growth;
    std::vector<std::string> shown;
  };
  const Row rows[] = {
      {"price with dollar sign and groups in plain form",
       "2000.00",
       "$1,250.50",
       "8",
       {"market price of $1250.5 ,", "ratio = .63 ", "bargain = 37.48 percent", "than 12.7 %."}},
      {"price with trailing zeros in plain form", "44.64", "30.00", "8", {"market price of $30 ,"}},
      {"value box text in plain form",
       ".50",
       "0.25",
       "8",
       {"approximately $ 0.5 and", "bargain = 50. percent"}},
      {"growth in plain form", "44.64", "30", "8.50", {"growth of 8.5 percent", "than 12.6 %."}},
      {"yield rounding to a whole number", "44.64", "30", "8.914", {"than 13 %."}},
      {"negative yield", "44.64", "30", "-10", {"than -5.9 %."}},
      {"tiny ratio adds no yield part",
       "100.00",
       "0.1",
       "8",
       {"ratio = .  and", "bargain = 99.9 percent", "than 8 %."}},
      {"negative ratio that rounds to zero adds no yield part",
       "100.00",
       "-0.1",
       "8",
       {"price of $-0.1 ,", "ratio = .  and", "bargain = 100.1 percent", "than 8 %."}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    const auto report = ComposeBargainReport(row.value, row.price, row.growth);
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(report->kind, kBargain);
    for (const std::string& shown : row.shown) {
      EXPECT_NE(report->text.find(shown), std::string::npos) << shown << "\n" << report->text;
    }
  }
}

TEST(BargainReportTest, FailuresComposeNoReport) {
  struct Row {
    const char* behaviour;
    const char* value;
    const char* price;
  };
  const Row rows[] = {
      {"cancelled price prompt", "44.64", ""},
      {"letters for a price", "44.64", "abc"},
      {"lone sign for a price", "44.64", "-"},
      {"lone point for a price", "44.64", "."},
      {"zero estimate", ".00", "30"},
      {"negative price has no tenth root", "44.64", "-10"},
      {"negative estimate has no tenth root", "-44.64", "30"},
      {"estimate beyond the decimal range", "1E+30", "30"},
      {"ratio beyond the decimal range", ".01", "79228162514264337593543950335"},
      {"bargain percentage beyond the decimal range", "1.00", "-1E+27"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    EXPECT_FALSE(ComposeBargainReport(row.value, row.price, "8").ok());
  }
}

TEST(BargainReportTest, ValueBoxTextRewrittenInPlainForm) {
  struct Row {
    const char* behaviour;
    const char* shown;
    const char* plain;
  };
  const Row rows[] = {
      {"two significant decimals stay", "44.64", "44.64"},
      {"trailing zero dropped", "44.60", "44.6"},
      {"zero before the point added", ".50", "0.5"},
      {"zero shows as 0", ".00", "0"},
      {"negative value keeps its sign", "-3.20", "-3.2"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    const auto plain = PlainValuePerShare(row.shown);
    ASSERT_TRUE(plain.ok());
    EXPECT_EQ(*plain, row.plain);
  }
  EXPECT_FALSE(PlainValuePerShare("").ok());
}

TEST(BargainReportTest, MarketPriceReadStrictly) {
  struct Row {
    const char* behaviour;
    const char* typed;
    const char* plain;  // nullptr: the price is refused
  };
  const Row rows[] = {
      {"dollar sign and digit groups", "$1,250.50", "1250.5"},
      {"trailing zeros", "30.00", "30"},
      {"prompt default", "0", "0"},
      {"cancelled prompt", "", nullptr},
      {"letters", "abc", nullptr},
      {"beyond the decimal range", "1E+308", nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    const auto price = ReadMarketPrice(row.typed);
    ASSERT_EQ(price.ok(), row.plain != nullptr);
    if (row.plain != nullptr) {
      EXPECT_EQ(NumberToText(*price), row.plain);
    }
  }
}

}  // namespace
}  // namespace worthmere
