// Big and hostile texts through the window's real handlers: each press ends in the program's
// result or its one error message, and no typed text is lost or changed unless a rule says so.

#include <QApplication>
#include <QClipboard>
#include <array>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "reference/worked_example.h"
#include "support/comma_locale.h"
#include "window/big_texts.h"
#include "window/hang_watchdog.h"
#include "window/window_fixture.h"

namespace worthmere::testing {
namespace {

namespace worked = worked_example;

constexpr const char* kFailed = "Please enter estimated values in the textboxes.";
constexpr const char* kUnchangedYear = "Text1";  // the boxes' design text
constexpr const char* kUnchangedValue = "0.0";

const std::array<const char*, 4> kInputBoxes = {"txtPresVal", "txtIntr", "txtdiscount",
                                                "txtshares"};

class HostileInputTest : public WindowTest {
 protected:
  // The start-up texts of every box the press reads or writes, and no services history.
  void StartAgain() {
    const std::array<const char*, 4> defaults = {worked::kFreeCashFlow, worked::kGrowth,
                                                 worked::kDiscount, worked::kShares};
    for (std::size_t i = 0; i < kInputBoxes.size(); ++i) {
      Box(kInputBoxes[i])->setText(QString::fromUtf8(defaults[i]));
    }
    Box("IV")->setText(QString::fromUtf8(kUnchangedValue));
    for (int box = 1; box <= 15; ++box) {
      Box(QStringLiteral("Text%1").arg(box))->setText(QString::fromUtf8(kUnchangedYear));
    }
    services.messages.clear();
    services.questions.clear();
    services.answers.clear();
    services.addresses.clear();
  }

  // Puts the text into the box the way a user pastes it: through the clipboard and the box's own
  // paste, over the whole old text.
  void Paste(const char* box_name, const QString& text) {
    QApplication::clipboard()->setText(text);
    QLineEdit* box = Box(box_name);
    box->selectAll();
    box->paste();
  }

  std::vector<QString> InputTexts() {
    std::vector<QString> texts;
    for (const char* name : kInputBoxes) texts.push_back(Text(name));
    return texts;
  }

  // A press of the estimate button must never outlast this, however big its texts.
  HangWatchdog hang{std::chrono::seconds(240)};
};

constexpr const char* kYear1 = worked::kYears[0];
constexpr const char* kYear10 = worked::kYears[9];

struct PressRow {
  const char* behaviour;
  const char* box;  // which input box holds the hostile text
  QString text;
  QString price;  // the typed market price, when the press gets that far
  bool asks_price;
  const char* year1;  // Text1 and Text10 after the press
  const char* year10;
  const char* value;    // IV after the press
  const char* message;  // the one message
};

// A press that shows the one message before any year is written, or after all ten.
PressRow FailsBeforeTheYears(const char* behaviour, const char* box, QString text) {
  return {behaviour,       box,    std::move(text), {}, false, kUnchangedYear, kUnchangedYear,
          kUnchangedValue, kFailed};
}
PressRow FailsAfterTheYears(const char* behaviour, const char* box, QString text) {
  return {behaviour, box, std::move(text), {}, false, kYear1, kYear10, kUnchangedValue, kFailed};
}

TEST_F(HostileInputTest, EstimatePressGivesTheResultOrTheOneMessage) {
  // One row per box and stage at which a press fails, with the texts only the window can get
  // wrong: megabytes, and what the bridge from the toolkit's text to the logic's could change.
  const std::vector<PressRow> rows = {
      FailsBeforeTheYears("megabyte of digits in the cash flow overflows", "txtPresVal",
                          MegabyteOfDigits()),
      {"megabyte of leading zeros still reads the cash flow", "txtPresVal",
       MegabyteEndingIn("4141000000"), worked::kPrice, true, kYear1, kYear10,
       worked::kValuePerShare, worked::kReportAtPrice},
      FailsBeforeTheYears("megabyte of letters in the growth is no number", "txtIntr",
                          MegabyteOfLetters()),
      FailsAfterTheYears("megabyte of digits in the discount overflows after the years",
                         "txtdiscount", MegabyteOfDigits()),
      FailsAfterTheYears("megabyte of letters in the share count is no number", "txtshares",
                         MegabyteOfLetters()),
      {"megabyte of digits as the price overflows", "txtshares", worked::kShares,
       MegabyteOfDigits(), true, kYear1, kYear10, worked::kValuePerShare, kFailed},
      {"a NUL after the price is not ignored", "txtshares", worked::kShares,
       QString::fromUtf8("30\0", 3), true, kYear1, kYear10, worked::kValuePerShare, kFailed},
      FailsBeforeTheYears("full-width digits are no digits", "txtPresVal",
                          QString::fromUtf8("\uFF14\uFF11\uFF14\uFF11")),
      FailsBeforeTheYears("a currency sign other than the dollar is no number", "txtPresVal",
                          QString::fromUtf8("\u20AC4,141,000,000")),
      FailsAfterTheYears("a no-break space is no digit group", "txtshares",
                         QString::fromUtf8("1\u00A0473\u00A0000\u00A0000")),
  };
  for (const PressRow& row : rows) {
    StartAgain();
    Box(row.box)->setText(row.text);
    if (row.asks_price) services.answers = {row.price};
    const std::vector<QString> typed = InputTexts();
    Click("Command1");

    EXPECT_EQ(services.questions.size(), row.asks_price ? 1u : 0u) << row.behaviour;
    EXPECT_EQ(Text("Text1").toStdString(), row.year1) << row.behaviour;
    EXPECT_EQ(Text("Text10").toStdString(), row.year10) << row.behaviour;
    EXPECT_EQ(Text("Text11").toStdString(), kUnchangedYear) << row.behaviour;
    EXPECT_EQ(Text("IV").toStdString(), row.value) << row.behaviour;
    ASSERT_EQ(services.messages.size(), 1u) << row.behaviour;
    EXPECT_EQ(services.messages[0].text.toStdString(), row.message) << row.behaviour;
    // The press reads the boxes; it never changes what was typed into them.
    const std::vector<QString> after = InputTexts();
    for (std::size_t i = 0; i < typed.size(); ++i) {
      EXPECT_TRUE(after[i] == typed[i])
          << row.behaviour << ": " << kInputBoxes[i] << " became " << Shown(after[i]);
    }
  }
}

TEST_F(HostileInputTest, PastedTextArrivesWhole) {
  struct PasteRow {
    const char* behaviour;
    QString text;
  };
  const std::vector<PasteRow> rows = {
      {"control characters", QString::fromUtf8("4141000000\x01\x07\x1b[2J\t\r")},
      {"non-ASCII text", QString::fromUtf8("\u0664\u0661\u0664\u0661 \u00E9\u4E00\U0001F4B0")},
      {"a megabyte of letters", MegabyteOfLetters()},
  };
  for (const PasteRow& row : rows) {
    Paste("txtPresVal", row.text);
    EXPECT_TRUE(Text("txtPresVal") == row.text)
        << row.behaviour << ": the box holds " << Shown(Text("txtPresVal"));
    services.messages.clear();
    Click("Command1");
    ASSERT_EQ(services.messages.size(), 1u) << row.behaviour;
    EXPECT_EQ(services.messages[0].text.toStdString(), kFailed) << row.behaviour;
    EXPECT_TRUE(Text("txtPresVal") == row.text) << row.behaviour;
  }
}

TEST_F(HostileInputTest, LookupOfAMegabyteTickerOpensItWhole) {
  services.answers = {MegabyteOfLetters()};
  Click("Command3");

  ASSERT_EQ(services.addresses.size(), 1u);
  EXPECT_TRUE(services.addresses[0] ==
              "https://" WORTHMERE_TEST_LOOKUP_HOST "/cash-flow/cf.html?t=" +
                  MegabyteOfLetters().toUpper() + QStringLiteral("&region=USA&culture=en-us"))
      << Shown(services.addresses[0]);
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(HostileInputTest, KeypadShowsEveryDigitOfALongEntry) {
  constexpr int kDigits = 400;  // far beyond the double range
  for (int i = 0; i < kDigits; ++i) Click("Number_9");
  const std::string entry = std::string(kDigits, '9') + ".";
  EXPECT_EQ(Display().toStdString(), entry);

  Click("Operator_1");
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text.toStdString(), "The number is too large for the calculator.");
  EXPECT_EQ(Display().toStdString(), entry);
}

// The safety net itself: without it a hanging handler would stall the whole run.
TEST(HangWatchdogTest, EndsATestThatOutlivesIt) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const ClassicLocaleForDeathTests child_flags_readable;
  EXPECT_EXIT(
      {
        const HangWatchdog hang(std::chrono::seconds(1));
        std::this_thread::sleep_for(std::chrono::seconds(60));
      },
      ::testing::ExitedWithCode(EXIT_FAILURE), "still running after 1 s: a handler hangs");
}

}  // namespace
}  // namespace worthmere::testing
