#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "valuation/bargain_report.h"
#include "valuation/enter_formatting.h"
#include "valuation/input_defaults.h"

namespace worthmere {
namespace {

// The two texts the program writes from numbers; its fixed texts are pinned where the window
// shows them.
TEST(InputTextsTest, TextsWrittenFromNumbers) {
  struct Row {
    const char* behaviour;
    std::string actual;
    std::string_view expected;
  };
  const Row rows[] = {
      {"default discount rate from the number", DefaultDiscountText(), "0.0625"},
      {"share count after Clear from the number", ClearedSharesText(), "1"},
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

// Each box's pattern; how a text is read and rounded into a pattern is pinned with FormatNumber.
TEST(InputTextsTest, EnterRewritesTheFigureInGroups) {
  struct Row {
    const char* behaviour;
    const char* typed;
    const char* cash_flow;
    const char* shares;
  };
  const Row rows[] = {
      {"bare digits get groups", "4141000000", "$4,141,000,000", "4,141,000,000"},
      {"zero shows no digits", "0", "$", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    EXPECT_EQ(FormatCashFlowOnEnter(row.typed), row.cash_flow);
    EXPECT_EQ(FormatSharesOnEnter(row.typed), row.shares);
  }
}

}  // namespace
}  // namespace worthmere
