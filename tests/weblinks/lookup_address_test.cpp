#include "weblinks/lookup_address.h"

#include <gtest/gtest.h>

#include <string>

namespace worthmere {
namespace {

// The pages' addresses on the look-up host as the build sets it.
std::string CashFlowPage(const std::string& ticker) {
  return "https://" WORTHMERE_TEST_LOOKUP_HOST "/cash-flow/cf.html?t=" + ticker +
         "&region=USA&culture=en-us";
}

std::string RatiosPage(const std::string& ticker) {
  return "http://" WORTHMERE_TEST_LOOKUP_HOST "/ratios/r.html?t=" + ticker +
         "&region=usa&culture=en-US";
}

TEST(LookupAddressTest, TickerBecomesOneQueryValue) {
  ASSERT_STRNE(WORTHMERE_TEST_LOOKUP_HOST, "");
  constexpr LookupPage kCashFlow = LookupPage::CashFlow;
  constexpr LookupPage kRatios = LookupPage::Ratios;
  struct Row {
    const char* behaviour;
    LookupPage page;
    std::string ticker;
    std::string address;
  };
  const Row rows[] = {
      {"default ticker on the cash-flow page", kCashFlow, "KO", CashFlowPage("KO")},
      {"letters keep their case on the plain ratios page", kRatios, "aBc", RatiosPage("aBc")},
      {"cancelled prompt still gives an address", kCashFlow, "", CashFlowPage("")},
      {"unreserved marks stay", kRatios, "BRK-B.A_1~", RatiosPage("BRK-B.A_1~")},
      {"inner space escaped", kCashFlow, "BRK B", CashFlowPage("BRK%20B")},
      {"ampersand cannot add a parameter", kCashFlow, "KO&REGION=X",
       CashFlowPage("KO%26REGION%3DX")},
      {"hash cannot end the query", kRatios, "KO#X", RatiosPage("KO%23X")},
      {"slash and question mark escaped", kRatios, "A/B?C", RatiosPage("A%2FB%3FC")},
      {"percent and plus escaped", kCashFlow, "%+", CashFlowPage("%25%2B")},
      {"non-ASCII bytes escaped as they are", kCashFlow, "N\xC3\x89", CashFlowPage("N%C3%89")},
      {"control byte escaped", kRatios, std::string("A\0B", 3), RatiosPage("A%00B")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    EXPECT_EQ(LookupAddress(row.page, row.ticker), row.address);
  }
}

}  // namespace
}  // namespace worthmere
