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

#include "app/text_bridge.h"
#include "weblinks/lookup_address.h"
#include "window/hang_watchdog.h"
#include "window/window_fixture.h"

namespace worthmere::testing {
namespace {

constexpr int kMegabyte = 1 << 20;
constexpr const char* kFailed = "Please enter estimated values in the textboxes.";
constexpr const char* kLargestDecimal = "79228162514264337593543950335";  // 2^96 - 1
constexpr const char* kUnchangedYear = "Text1";                           // the boxes' design text
constexpr const char* kUnchangedValue = "0.0";

const std::array<const char*, 4> kInputBoxes = {"txtPresVal", "txtIntr", "txtdiscount",
                                                "txtshares"};

QString Repeated(const char* piece, int total_size) {
  const QString unit = QString::fromUtf8(piece);
  QString text;
  text.reserve(total_size);
  while (text.size() + unit.size() <= total_size) text += unit;
  return text;
}

QString MegabyteOfDigits() { return Repeated("9876543210", kMegabyte); }
QString MegabyteOfLetters() { return Repeated("abcdefghij", kMegabyte); }
// Leading zeros change nothing, however many: this still reads as the start-up cash flow.
QString MegabyteEndingIn(const char* figure) {
  const QString tail = QString::fromUtf8(figure);
  return QString(kMegabyte - tail.size(), QLatin1Char('0')) + tail;
}
QString FigureWithMegabyteOfDecimalZeros(const char* figure) {
  const QString head = QString::fromUtf8(figure) + QLatin1Char('.');
  return head + QString(kMegabyte - head.size(), QLatin1Char('0'));
}

std::string Shown(const QString& text) {
  if (text.size() <= 80) return text.toStdString();
  return text.left(40).toStdString() + "... (" + std::to_string(text.size()) + " characters)";
}

class HostileInputTest : public WindowTest {
 protected:
  // The start-up texts of every box the press reads or writes, and no services history.
  void StartAgain() {
    const std::array<const char*, 4> defaults = {"4,141,000,000", "8", "0.0625", "1,473,000,000"};
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

constexpr const char* kYear1 = "4472280000.0000";
constexpr const char* kYear10 = "8940108413.7067";

struct PressRow {
  const char* behaviour;
  const char* box;  // which input box holds the hostile text
  QString text;
  QString price;  // the typed market price, when the press gets that far
  bool asks_price;
  const char* year1;  // Text1 and Text10 after the press
  const char* year10;
  const char* value;    // IV after the press
  const char* message;  // the one message: the error exactly, or a piece of the report
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
  const std::vector<PressRow> rows = {
      FailsBeforeTheYears("megabyte of digits in the cash flow overflows", "txtPresVal",
                          MegabyteOfDigits()),
      FailsBeforeTheYears("megabyte of letters in the cash flow is no number", "txtPresVal",
                          MegabyteOfLetters()),
      {"megabyte of leading zeros still reads the cash flow", "txtPresVal",
       MegabyteEndingIn("4141000000"), "30", true, kYear1, kYear10, "44.64",
       "P/V ratio = .67  and the estimated bargain = 32.8 percent."},
      {"megabyte of decimal zeros still reads the cash flow", "txtPresVal",
       FigureWithMegabyteOfDecimalZeros("4141000000"), "30", true, kYear1, kYear10, "44.64",
       "P/V ratio = .67  and the estimated bargain = 32.8 percent."},
      FailsBeforeTheYears("megabyte of digits in the growth overflows", "txtIntr",
                          MegabyteOfDigits()),
      FailsBeforeTheYears("megabyte of letters in the growth is no number", "txtIntr",
                          MegabyteOfLetters()),
      FailsAfterTheYears("megabyte of digits in the discount overflows after the years",
                         "txtdiscount", MegabyteOfDigits()),
      FailsAfterTheYears("megabyte of letters in the discount is no number", "txtdiscount",
                         MegabyteOfLetters()),
      FailsAfterTheYears("megabyte of digits in the share count overflows", "txtshares",
                         MegabyteOfDigits()),
      FailsAfterTheYears("megabyte of letters in the share count is no number", "txtshares",
                         MegabyteOfLetters()),
      {"megabyte of leading zeros still reads the share count", "txtshares",
       MegabyteEndingIn("1473000000"), "30", true, kYear1, kYear10, "44.64",
       "P/V ratio = .67  and the estimated bargain = 32.8 percent."},
      {"megabyte of digits as the price overflows", "txtshares", "1,473,000,000",
       MegabyteOfDigits(), true, kYear1, kYear10, "44.64", kFailed},
      {"megabyte of letters as the price is no number", "txtshares", "1,473,000,000",
       MegabyteOfLetters(), true, kYear1, kYear10, "44.64", kFailed},
      {"megabyte of leading zeros still reads the price", "txtshares", "1,473,000,000",
       MegabyteEndingIn("30"), true, kYear1, kYear10, "44.64",
       "P/V ratio = .67  and the estimated bargain = 32.8 percent."},
      {"control characters after the price are no number", "txtshares", "1,473,000,000",
       QStringLiteral("30\t"), true, kYear1, kYear10, "44.64", kFailed},
      {"a NUL after the price is not ignored", "txtshares", "1,473,000,000",
       QString::fromUtf8("30\0", 3), true, kYear1, kYear10, "44.64", kFailed},
      FailsBeforeTheYears("full-width digits are no digits", "txtPresVal",
                          QString::fromUtf8("\uFF14\uFF11\uFF14\uFF11")),
      FailsBeforeTheYears("a currency sign other than the dollar is no number", "txtPresVal",
                          QString::fromUtf8("\u20AC4,141,000,000")),
      FailsAfterTheYears("a no-break space is no digit group", "txtshares",
                         QString::fromUtf8("1\u00A0473\u00A0000\u00A0000")),
      FailsBeforeTheYears("the largest decimal grows past the top", "txtPresVal", kLargestDecimal),
      FailsBeforeTheYears("one past the largest decimal overflows", "txtPresVal",
                          "79228162514264337593543950336"),
      FailsBeforeTheYears("1E+308 as the cash flow overflows the decimal", "txtPresVal", "1E+308"),
      {"1E-400 as the cash flow reads as zero, so the value is zero", "txtPresVal", "1E-400", "30",
       true, ".0000", ".0000", "0", kFailed},
      {"28 decimals in the growth are kept", "txtIntr", "0.0000000000000000000000000001", "10",
       true, "4141000000.0000", "4141000000.0000", "26.86",
       "growth of 0.0000000000000000000000000001 percent"},
      {"29 decimals in the growth are rounded to 28", "txtIntr", "0.00000000000000000000000000001",
       "10", true, "4141000000.0000", "4141000000.0000", "26.86", "growth of 0 percent"},
      {"28 decimals in the price are kept", "txtshares", "1,473,000,000",
       "0.5000000000000000000000000001", true, kYear1, kYear10, "44.64",
       "market price of $0.5000000000000000000000000001 ,"},
      {"29 decimals in the price are rounded to 28", "txtshares", "1,473,000,000",
       "0.50000000000000000000000000001", true, kYear1, kYear10, "44.64", "market price of $0.5 ,"},
      {"1E+308 as the price overflows the decimal", "txtshares", "1,473,000,000", "1E+308", true,
       kYear1, kYear10, "44.64", kFailed},
      {"1E-400 as the price reads as zero", "txtshares", "1,473,000,000", "1E-400", true, kYear1,
       kYear10, "44.64",
       "market price of $0 , so the P/V ratio = .  and the estimated bargain = 100."},
      {"1E+308 shares leave a value of zero", "txtshares", "1E+308", "30", true, kYear1, kYear10,
       "0", kFailed},
      FailsAfterTheYears("1E+309 shares overflow", "txtshares", "1E+309"),
      FailsAfterTheYears("1E-400 shares read as zero shares", "txtshares", "1E-400"),
      FailsAfterTheYears("1E-300 shares overflow the value", "txtshares", "1E-300"),
      FailsAfterTheYears("a discount of -1 fails after the years", "txtdiscount", "-1"),
      FailsAfterTheYears("a discount of 1E+21 overflows the discounting", "txtdiscount", "1E+21"),
      FailsAfterTheYears("a discount of 1E+308 overflows the decimal", "txtdiscount", "1E+308"),
      {"a discount of 1E-400 reads as zero", "txtdiscount", "1E-400", "30", true, kYear1, kYear10,
       "74.33", "P/V ratio = .4  and the estimated bargain = 59.64 percent."},
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
    const std::string message = services.messages[0].text.toStdString();
    if (std::string(row.message) == kFailed) {
      EXPECT_EQ(message, kFailed) << row.behaviour;
    } else {
      EXPECT_NE(message.find(row.message), std::string::npos) << row.behaviour << ": " << message;
    }
    // The press reads the boxes; it never changes what was typed into them.
    const std::vector<QString> after = InputTexts();
    for (std::size_t i = 0; i < typed.size(); ++i) {
      EXPECT_TRUE(after[i] == typed[i])
          << row.behaviour << ": " << kInputBoxes[i] << " became " << Shown(after[i]);
    }
  }
}

TEST_F(HostileInputTest, LargestDecimalWithoutGrowthStaysExact) {
  Box("txtPresVal")->setText(QString::fromUtf8(kLargestDecimal));
  Box("txtIntr")->setText(QStringLiteral("0"));
  services.answers = {QStringLiteral("30")};
  Click("Command1");

  for (int box = 1; box <= 10; ++box) {
    EXPECT_EQ(Text(QStringLiteral("Text%1").arg(box)).toStdString(),
              "79228162514264337593543950335.0000")
        << box;
  }
  EXPECT_EQ(Text("IV").toStdString(), "513963759267327000000");
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_NE(services.messages[0].text.toStdString().find(
                "approximately $ 513963759267327000000 and you entered at a market price of $30 ,"),
            std::string::npos);
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

struct EnterRow {
  const char* behaviour;
  const char* box;
  QString before;
  QString after;
};

TEST_F(HostileInputTest, EnterFormatsOnlyWhatReadsAsANumber) {
  const QString one_e_308 = QStringLiteral("100") + Repeated(",000", 4 * 102);
  const std::vector<EnterRow> rows = {
      {"megabyte of digits stays", "txtPresVal", MegabyteOfDigits(), MegabyteOfDigits()},
      {"megabyte of letters stays", "txtshares", MegabyteOfLetters(), MegabyteOfLetters()},
      {"megabyte of leading zeros formats the figure", "txtPresVal", MegabyteEndingIn("4141000000"),
       "$4,141,000,000"},
      {"megabyte of leading zeros formats the share count", "txtshares",
       MegabyteEndingIn("1473000000"), "1,473,000,000"},
      {"control characters stay", "txtshares", QString::fromUtf8("1473\x01\x7f"),
       QString::fromUtf8("1473\x01\x7f")},
      {"non-ASCII digits stay", "txtPresVal", QString::fromUtf8("\u0664\u0661"),
       QString::fromUtf8("\u0664\u0661")},
      {"1E+308 is written out in full", "txtPresVal", "1E+308", "$" + one_e_308},
      {"1E+308 written out formats to itself", "txtPresVal", "$" + one_e_308, "$" + one_e_308},
      {"1E+309 stays", "txtshares", "1E+309", "1E+309"},
      {"1E-400 is zero", "txtPresVal", "1E-400", "$"},
      {"1E-400 shares are zero", "txtshares", "1E-400", ""},
      {"the largest decimal is grouped", "txtshares", kLargestDecimal,
       "79,228,162,514,264,300,000,000,000,000"},
  };
  for (const EnterRow& row : rows) {
    QLineEdit* box = Box(row.box);
    box->setText(row.before);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(box->text() == row.after)
        << row.behaviour << ": " << Shown(box->text()) << " instead of " << Shown(row.after);
  }
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(HostileInputTest, LookupsEncodeWhateverIsTyped) {
  const QString host = FromUtf8(kLookupHost);
  const QString cash_flow_page = "https://" + host + "/cash-flow/cf.html?t=";
  const QString ratios_page = "http://" + host + "/ratios/r.html?t=";
  services.answers = {MegabyteOfLetters(), QString::fromUtf8("b\u00E9\x01 &x#/?")};
  Click("Command3");
  Click("Command4");

  ASSERT_EQ(services.addresses.size(), 2u);
  EXPECT_TRUE(services.addresses[0] == cash_flow_page + MegabyteOfLetters().toUpper() +
                                           QStringLiteral("&region=USA&culture=en-us"))
      << Shown(services.addresses[0]);
  EXPECT_EQ(services.addresses[1].toStdString(),
            ratios_page.toStdString() + "B%C3%89%01%20%26X%23%2F%3F&region=usa&culture=en-US");
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(HostileInputTest, KeypadKeepsEveryDigitOfALongEntry) {
  constexpr int kDigits = 400;  // far beyond the double range
  for (int i = 0; i < kDigits; ++i) Click("Number_9");
  const std::string entry = std::string(kDigits, '9') + ".";
  EXPECT_EQ(Display().toStdString(), entry);

  Click("Operator_1");
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text.toStdString(), "The number is too large for the calculator.");
  EXPECT_EQ(services.messages[0].style, MessageStyle::OkExclamation);
  EXPECT_EQ(services.messages[0].title.value_or(QString()).toStdString(), "Calculator");
  EXPECT_EQ(Display().toStdString(), entry);

  Click("Percent");
  EXPECT_EQ(services.messages.size(), 2u);
  EXPECT_EQ(Display().toStdString(), entry);

  Click("Cancel");
  EXPECT_EQ(Display().toStdString(), "0.");
  for (const char* key : {"Number_2", "Operator_1", "Number_3", "Operator_4"}) Click(key);
  EXPECT_EQ(Display().toStdString(), "5");
}

// The safety net itself: without it a hanging handler would stall the whole run.
TEST(HangWatchdogTest, EndsATestThatOutlivesIt) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        const HangWatchdog hang(std::chrono::seconds(1));
        std::this_thread::sleep_for(std::chrono::seconds(60));
      },
      ::testing::ExitedWithCode(EXIT_FAILURE), "still running after 1 s: a handler hangs");
}

}  // namespace
}  // namespace worthmere::testing
