#include "weblinks/lookup_address.h"

#include <gtest/gtest.h>

#include <string>

namespace worthmere {
namespace {

TEST(LookupAddressTest, TickerBecomesOneQueryValue) {
  constexpr LookupPage kCashFlow = LookupPage::CashFlow;
  constexpr LookupPage kRatios = LookupPage::Ratios;
  struct Row {
    const char* behaviour;
    LookupPage page;
    std::string ticker;
    std::string address;
  };
  const Row rows[] = {
      {"default ticker on the cash-flow page", kCashFlow, "KO",
       "https://financials.example.com/cash-flow/cf.html?t=KO&region=USA&culture=en-us"},
      {"letters keep their case on the plain ratios page", kRatios, "aBc",
       "http://financials.example.com/ratios/r.html?t=aBc&region=usa&culture=en-US"},
      {"cancelled prompt still gives an address", kCashFlow, "",
       "https://financials.example.com/cash-flow/cf.html?t=&region=USA&culture=en-us"},
      {"unreserved marks stay", kRatios, "BRK-B.A_1~",
       "http://financials.example.com/ratios/r.html?t=BRK-B.A_1~&region=usa&culture=en-US"},
      {"inner space escaped", kCashFlow, "BRK B",
       "https://financials.example.com/cash-flow/cf.html?t=BRK%20B&region=USA&culture=en-us"},
      {"ampersand cannot add a parameter", kCashFlow, "KO&REGION=X",
       "https://financials.example.com/cash-flow/cf.html?t=KO%26REGION%3DX&region=USA&culture="
       "en-us"},
      {"hash cannot end the query", kRatios, "KO#X",
       "http://financials.example.com/ratios/r.html?t=KO%23X&region=usa&culture=en-US"},
      {"slash and question mark escaped", kRatios, "A/B?C",
       "http://financials.example.com/ratios/r.html?t=A%2FB%3FC&region=usa&culture=en-US"},
      {"percent and plus escaped", kCashFlow, "%+",
       "https://financials.example.com/cash-flow/cf.html?t=%25%2B&region=USA&culture=en-us"},
      {"non-ASCII bytes escaped as they are", kCashFlow, "N\xC3\x89",
       "https://financials.example.com/cash-flow/cf.html?t=N%C3%89&region=USA&culture=en-us"},
      {"control byte escaped", kRatios, std::string("A\0B", 3),
       "http://financials.example.com/ratios/r.html?t=A%00B&region=usa&culture=en-US"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.behaviour);
    EXPECT_EQ(LookupAddress(row.page, row.ticker), row.address);
  }
}

TEST(LookupAddressTest, PromptAndBookStoreTexts) {
  EXPECT_EQ(kTickerPrompt, "enter");
  EXPECT_EQ(kTickerTitle, "data");
  EXPECT_EQ(kTickerDefault, "KO");
  EXPECT_EQ(kBookStoreAddress, "https://books.example.com/investing");
}

}  // namespace
}  // namespace worthmere
