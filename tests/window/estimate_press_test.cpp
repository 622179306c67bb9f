#include <iterator>
#include <sstream>
#include <stdexcept>

#include "reference/worked_example.h"
#include "window/handler_reports.h"
#include "window/window_fixture.h"

namespace worthmere::testing {
namespace {

using Log = std::vector<std::string>;

namespace worked = worked_example;

constexpr const char* kNotABargainAt60 =
    "P/V ratio = 1.34  and the estimated bargain = . percent. Therefore, it is not a bargain.";

constexpr const char* kFailed = "Please enter estimated values in the textboxes.";

class EstimatePressTest : public WindowTest {
 protected:
  std::vector<std::string> Years() {
    std::vector<std::string> years;
    for (int box = 1; box <= 10; ++box) {
      years.push_back(Text(QStringLiteral("Text%1").arg(box)).toStdString());
    }
    return years;
  }
  std::vector<std::string> MessageTexts() {
    std::vector<std::string> texts;
    for (const auto& message : services.messages) texts.push_back(message.text.toStdString());
    return texts;
  }
};

TEST_F(EstimatePressTest, WorkedExampleIsABargainAt30) {
  services.answers = {QString::fromUtf8(worked::kPrice)};
  Click("Command1");

  EXPECT_EQ(Years(),
            std::vector<std::string>(std::begin(worked::kYears), std::end(worked::kYears)));
  EXPECT_EQ(Text("IV").toStdString(), worked::kValuePerShare);
  EXPECT_EQ(Text("Text11").toStdString(), "Text1");
  ASSERT_EQ(services.questions.size(), 1u);
  EXPECT_EQ(services.questions[0].prompt.toStdString(), "Enter the market price.");
  EXPECT_EQ(services.questions[0].title.toStdString(), "Bargain?");
  EXPECT_EQ(services.questions[0].default_text.toStdString(), "0");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{worked::kReportAtPrice});
  EXPECT_EQ(services.messages[0].style, MessageStyle::OkOnly);
  EXPECT_FALSE(services.messages[0].title.has_value());
  EXPECT_EQ(services.clipboard.toStdString(), worked::kReportAtPrice);
  EXPECT_EQ(services.log, (Log{"on-top", "clear", "ask", "pending", "pending", "set", "message"}));
}

TEST_F(EstimatePressTest, NotABargainAt60LeavesTheClipboardEmpty) {
  services.answers = {QStringLiteral("60")};
  Click("Command1");

  EXPECT_EQ(Text("IV").toStdString(), worked::kValuePerShare);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{kNotABargainAt60});
  EXPECT_TRUE(services.clipboard.isEmpty());
  EXPECT_EQ(services.log, (Log{"on-top", "clear", "ask", "message"}));
}

TEST_F(EstimatePressTest, ValueRewrittenInPlainFormBeforeTheReport) {
  Box("txtshares")->setText(QStringLiteral("1,474,280,867"));
  services.answers = {QStringLiteral("60")};
  Click("Command1");
  EXPECT_EQ(Text("IV").toStdString(), "44.6");
}

TEST_F(EstimatePressTest, SecondClickDuringThePassesIsIgnored) {
  services.answers = {QString::fromUtf8(worked::kPrice)};
  services.on_pending = [this] { Click("Command1"); };
  Click("Command1");

  EXPECT_EQ(services.questions.size(), 1u);
  EXPECT_EQ(Text("IV").toStdString(), worked::kValuePerShare);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{worked::kReportAtPrice});
  EXPECT_EQ(services.clipboard.toStdString(), worked::kReportAtPrice);
  EXPECT_EQ(services.log, (Log{"on-top", "clear", "ask", "pending", "pending", "set", "message"}));

  // The press has ended, so the next click starts a new one.
  services.on_pending = nullptr;
  services.answers = {QStringLiteral("60")};
  Click("Command1");
  EXPECT_EQ(services.questions.size(), 2u);
}

TEST_F(EstimatePressTest, ExceptionInsideThePressEndsItWithTheMessage) {
  services.ask_runs_out_of_memory = true;
  Click("Command1");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{kFailed});
  EXPECT_EQ(Text("IV").toStdString(), worked::kValuePerShare);

  services.messages.clear();
  Click("Command3");
  EXPECT_TRUE(services.addresses.empty());
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(EstimatePressTest, UnexpectedExceptionEndsItWithTheMessageAndOneLine) {
  services.answers = {QString::fromUtf8(worked::kPrice)};
  services.on_pending = [] { throw std::runtime_error("event pass broke"); };
  Click("Command1");

  EXPECT_EQ(MessageTexts(), std::vector<std::string>{kFailed});
  const std::vector<std::string> lines = TakeHandlerReports();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Command1_Click()"), std::string::npos) << lines[0];
  EXPECT_TRUE(lines[0].ends_with(": event pass broke")) << lines[0];
}

enum class Refuses { Nothing, Clear, Report };  // what the clipboard refuses
enum class YearsAfter { Untouched, WorkedExample, FirstTwoOfTheOverflow, Zero, NotChecked };

struct FailedPress {
  const char* behaviour;
  const char* cash_flow;
  const char* growth;
  const char* shares;
  const char* price;  // nullptr: no price is asked for
  Refuses refuses;
  YearsAfter years_after;
  const char* value_after;
  const char* log_after;
};

std::vector<std::string> ExpectedYears(YearsAfter years) {
  switch (years) {
    case YearsAfter::WorkedExample:
      return {std::begin(worked::kYears), std::end(worked::kYears)};
    case YearsAfter::FirstTwoOfTheOverflow: {
      std::vector<std::string> texts(10, "Text1");
      texts[0] = "60000000000000000000000000000.0000";
      texts[1] = "72000000000000000000000000000.0000";
      return texts;
    }
    case YearsAfter::Zero:
      return std::vector<std::string>(10, ".0000");
    default:
      return std::vector<std::string>(10, "Text1");
  }
}

TEST_F(EstimatePressTest, EveryFailureShowsTheOneMessageAndKeepsWhatWasDone) {
  using enum Refuses;
  using enum YearsAfter;
  const FailedPress rows[] = {
      {"clipboard that cannot be cleared ends the press before any box is read", "4,141,000,000",
       "8", "1,473,000,000", nullptr, Clear, Untouched, "0.0", "clear message"},
      {"empty growth box writes no year", "4,141,000,000", "", "1,473,000,000", nullptr, Nothing,
       Untouched, "0.0", "clear message"},
      {"overflow in year 3 keeps years 1 and 2", "5E+28", "20", "1,473,000,000", nullptr, Nothing,
       FirstTwoOfTheOverflow, "0.0", "clear message"},
      {"zero shares keep all ten years and the old value", "4,141,000,000", "8", "0", nullptr,
       Nothing, WorkedExample, "0.0", "clear message"},
      {"cancelled price prompt keeps the two-decimal value", "4,141,000,000", "8", "1,474,280,867",
       "", Nothing, NotChecked, "44.60", "clear ask message"},
      {"price that is not a number keeps the two-decimal value", "4,141,000,000", "8",
       "1,474,280,867", "abc", Nothing, NotChecked, "44.60", "clear ask message"},
      {"zero estimate fails after the value is rewritten", "0", "8", "1,473,000,000", "30", Nothing,
       Zero, "0", "clear ask message"},
      {"negative estimate fails at the yield before the clipboard", "-4,141,000,000", "8",
       "1,473,000,000", "30", Nothing, NotChecked, "-44.64", "clear ask message"},
      {"clipboard that refuses the report shows the message instead", "4,141,000,000", "8",
       "1,473,000,000", "30", Report, WorkedExample, "44.64",
       "clear ask pending pending set message"},
  };
  for (const FailedPress& row : rows) {
    SCOPED_TRACE(row.behaviour);
    for (int box = 1; box <= 10; ++box) Box(QStringLiteral("Text%1").arg(box))->setText("Text1");
    Box("IV")->setText(QStringLiteral("0.0"));
    Box("txtPresVal")->setText(QString::fromLatin1(row.cash_flow));
    Box("txtIntr")->setText(QString::fromLatin1(row.growth));
    Box("txtshares")->setText(QString::fromLatin1(row.shares));
    services.answers.clear();
    if (row.price != nullptr) services.answers.push_back(QString::fromLatin1(row.price));
    services.clear_succeeds = row.refuses != Clear;
    services.set_succeeds = row.refuses != Report;
    services.clipboard = QStringLiteral("held before the press");
    services.messages.clear();
    services.log.clear();

    Click("Command1");

    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kFailed});
    EXPECT_EQ(services.messages.at(0).style, MessageStyle::OkOnly);
    EXPECT_FALSE(services.messages.at(0).title.has_value());
    std::istringstream log_after(row.log_after);
    EXPECT_EQ(services.log, Log(std::istream_iterator<std::string>(log_after), {}));
    EXPECT_EQ(services.clipboard.isEmpty(), row.refuses != Clear);
    if (row.years_after != NotChecked) {
      EXPECT_EQ(Years(), ExpectedYears(row.years_after));
    }
    EXPECT_EQ(Text("IV").toStdString(), row.value_after);
    EXPECT_TRUE(services.answers.empty());
  }
}

}  // namespace
}  // namespace worthmere::testing
