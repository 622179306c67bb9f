#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "valuation/bargain_report.h"
#include "valuation/enter_formatting.h"
#include "valuation/input_defaults.h"

namespace worthmere {
namespace {

TEST(InputTextsTest, FixedTextsReadAsShown) {
  struct Row {
    const char* behaviour;
    std::string actual;
    std::string_view expected;
  };
  const Row rows[] = {
      {"default free cash flow", std::string(kDefaultFreeCashFlowText), "4,141,000,000"},
      {"default share count", std::string(kDefaultSharesText), "1,473,000,000"},
      {"default discount rate from the number", DefaultDiscountText(), "0.0625"},
      {"share count after Clear from the number", ClearedSharesText(), "1"},
      {"failed estimate message", std::string(kEstimateFailedMessage),
       "Please enter estimated values in the textboxes."},
      {"price prompt", std::string(kMarketPricePrompt), "Enter the market price."},
      {"price prompt title", std::string(kMarketPriceTitle), "Bargain?"},
      {"price prompt default", std::string(kMarketPriceDefault), "0"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    EXPECT_EQ(row.actual, row.expected);
  }
}

TEST(InputTextsTest, HelpMessagesJoinTheirLinesWithCrLf) {
  const std::array<std::string, 4> expected{
      "Use this software to estimate the intrinsic value per share of a company's stock.\r\n"
      "Before estimating the Intrinsic Value...\r\n"
      "Step#1 Understand the Economics of this business.",
      "Step#2 Does it have Sustainable Competitive Advantages?",
      "Step#3 Does it have Able & Trustworthy Managers?",
      "If it passes the filter steps of 1,2,3, then... \r\n"
      "Step#4 Estimate an Intrinsic Value based on Free Cash Flows."};
  EXPECT_EQ(HelpMessages(), expected);
}

TEST(InputTextsTest, EnterRewritesTheFigureInGroups) {
  struct Row {
    const char* behaviour;
    const char* typed;
    const char* cash_flow;
    const char* shares;
  };
  const Row rows[] = {
      {"bare digits get groups", "4141000000", "$4,141,000,000", "4,141,000,000"},
      {"formatted text stays as it is", "$4,141,000,000", "$4,141,000,000", "4,141,000,000"},
      {"zero shows no digits", "0", "$", ""},
      {"fraction is rounded away", "1234.5", "$1,235", "1,235"},
      {"fraction below a half is dropped", "1234.4", "$1,234", "1,234"},
      {"a run of commas between digits is dropped", "1,,2", "$12", "12"},
      {"letters stay as typed", "abc", "abc", "abc"},
      {"empty box stays empty", "", "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    EXPECT_EQ(FormatCashFlowOnEnter(row.typed), row.cash_flow);
    EXPECT_EQ(FormatSharesOnEnter(row.typed), row.shares);
  }
}

}  // namespace
}  // namespace worthmere
