#include <stdexcept>
#include <string>
#include <string_view>

#include "window/handler_reports.h"
#include "window/window_fixture.h"

namespace worthmere::testing {
namespace {

using LookupTest = WindowTest;

struct LookupRow {
  const char* behaviour;
  const char* button;
  QString answer;
  std::string address;
};

// An address on the look-up host as the build sets it.
std::string OnLookupHost(std::string_view scheme, std::string_view path_and_query) {
  return std::string(scheme) + "://" WORTHMERE_TEST_LOOKUP_HOST + std::string(path_and_query);
}

TEST_F(LookupTest, EachButtonAsksForATickerAndOpensItsPage) {
  const LookupRow rows[] = {
      {"default ticker opens the cash-flow page", "Command3", "KO",
       OnLookupHost("https", "/cash-flow/cf.html?t=KO&region=USA&culture=en-us")},
      {"ticker upper-cased on the plain ratios page", "Command4", "abc",
       OnLookupHost("http", "/ratios/r.html?t=ABC&region=usa&culture=en-US")},
      {"cancel still opens the page with an empty ticker", "Command3", QString(),
       OnLookupHost("https", "/cash-flow/cf.html?t=&region=USA&culture=en-us")},
      {"letters upper-cased by the Unicode rule", "Command3", "é ß",
       OnLookupHost("https", "/cash-flow/cf.html?t=%C3%89%20SS&region=USA&culture=en-us")},
  };
  ASSERT_STRNE(WORTHMERE_TEST_LOOKUP_HOST, "");
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
    EXPECT_EQ(services.addresses, std::vector<QString>{QString::fromStdString(row.address)});
    EXPECT_EQ(services.log, (std::vector<std::string>{"ask", "open", "pending"}));
  }
}

struct ThrowRow {
  const char* behaviour;
  std::function<void()> fault;
  std::string reported;
};

TEST_F(LookupTest, UnexpectedExceptionLeavesOneLineAndTheWindowWorksOn) {
  const ThrowRow rows[] = {
      {"a standard exception gives its message", [] { throw std::logic_error("browser gone"); },
       "browser gone"},
      {"anything else is unknown", [] { throw 42; }, "unknown exception"},
  };
  for (const ThrowRow& row : rows) {
    SCOPED_TRACE(row.behaviour);
    services.on_open = row.fault;
    services.answers = {QStringLiteral("KO")};
    Click("Command3");

    const std::vector<std::string> lines = TakeHandlerReports();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("Command3_Click()"), std::string::npos) << lines[0];
    EXPECT_TRUE(lines[0].ends_with(": " + row.reported)) << lines[0];
  }
  services.on_open = nullptr;
  services.addresses.clear();
  services.answers = {QStringLiteral("KO")};
  Click("Command4");
  EXPECT_EQ(services.addresses.size(), 1u);
  Click("Number_7");
  EXPECT_EQ(Display().toStdString(), "7.");
}

}  // namespace
}  // namespace worthmere::testing
