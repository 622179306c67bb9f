#include "window/window_fixture.h"

namespace worthmere::testing {
namespace {

using LookupTest = WindowTest;

struct LookupRow {
  const char* behaviour;
  const char* button;
  QString answer;
  const char* address;
};

TEST_F(LookupTest, EachButtonAsksForATickerAndOpensItsPage) {
  const LookupRow rows[] = {
      {"default ticker opens the cash-flow page", "Command3", "KO",
       "https://financials.example.com/cash-flow/cf.html?t=KO&region=USA&culture=en-us"},
      {"ticker upper-cased on the plain ratios page", "Command4", "abc",
       "http://financials.example.com/ratios/r.html?t=ABC&region=usa&culture=en-US"},
      {"cancel still opens the page with an empty ticker", "Command3", QString(),
       "https://financials.example.com/cash-flow/cf.html?t=&region=USA&culture=en-us"},
      {"awkward ticker cannot change the address", "Command4", "brk b&t=x#y/é",
       "http://financials.example.com/ratios/r.html?t=BRK%20B%26T%3DX%23Y%2F%C3%89"
       "&region=usa&culture=en-US"},
      {"letters upper-cased by the Unicode rule", "Command3", "é ß",
       "https://financials.example.com/cash-flow/cf.html?t=%C3%89%20SS&region=USA&culture=en-us"},
  };
  for (const LookupRow& row : rows) {
    SCOPED_TRACE(row.behaviour);
    services.questions.clear();
    services.addresses.clear();
    services.log.clear();
    services.answers = {row.answer};

    Click(row.button);

    ASSERT_EQ(services.questions.size(), 1u);
    EXPECT_EQ(services.questions[0].prompt.toStdString(), "enter");
    EXPECT_EQ(services.questions[0].title.toStdString(), "data");
    EXPECT_EQ(services.questions[0].default_text.toStdString(), "KO");
    EXPECT_EQ(services.addresses, std::vector<QString>{QString::fromUtf8(row.address)});
    EXPECT_EQ(services.log, (std::vector<std::string>{"ask", "open", "pending"}));
  }
}

}  // namespace
}  // namespace worthmere::testing
