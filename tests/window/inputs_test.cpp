#include "window/window_fixture.h"

#include "reference/worked_example.h"
#include "valuation/input_defaults.h"
#include "window/big_texts.h"

namespace worthmere::testing {
namespace {

using InputsTest = WindowTest;

TEST_F(InputsTest, HelpResetRestoresDefaultsThenShowsFourMessagesThenOnePage) {
  for (const char* name : {"txtPresVal", "txtshares", "txtdiscount", "txtIntr", "IV", "Text1"}) {
    Box(name)->setText(QStringLiteral("typed"));
  }
  std::vector<QString> cash_flow_at_each_message;
  services.on_message = [&] { cash_flow_at_each_message.push_back(Text("txtPresVal")); };
  Click("Command2");

  EXPECT_EQ(Text("txtPresVal").toStdString(), worked_example::kFreeCashFlow);
  EXPECT_EQ(Text("txtshares").toStdString(), worked_example::kShares);
  EXPECT_EQ(Text("txtdiscount").toStdString(), worked_example::kDiscount);
  for (const char* kept : {"txtIntr", "IV", "Text1"}) {
    EXPECT_EQ(Text(kept).toStdString(), "typed") << kept;
  }
  // The texts themselves are pinned by the valuation tests; the window must show exactly them.
  const auto help = HelpMessages();
  ASSERT_EQ(services.messages.size(), help.size());
  for (std::size_t i = 0; i < help.size(); ++i) {
    EXPECT_EQ(services.messages[i].text.toStdString(), help[i]) << i;
    EXPECT_EQ(services.messages[i].style, MessageStyle::OkOnly) << i;
    EXPECT_FALSE(services.messages[i].title.has_value()) << i;
    EXPECT_EQ(cash_flow_at_each_message[i].toStdString(), worked_example::kFreeCashFlow) << i;
  }
  // The address as the build sets it, not as the code's constant says.
  ASSERT_STRNE(WORTHMERE_TEST_BOOK_STORE_ADDRESS, "");
  EXPECT_EQ(services.addresses, std::vector<QString>{WORTHMERE_TEST_BOOK_STORE_ADDRESS});
  EXPECT_EQ(services.log, (std::vector<std::string>{"on-top", "message", "message", "message",
                                                    "message", "open"}));
}

TEST_F(InputsTest, ClearEmptiesTheInputsTwiceAlike) {
  Box("txtIntr")->setText(QStringLiteral("12.5"));
  for (int press = 1; press <= 2; ++press) {
    Click("Command9");
    EXPECT_EQ(Text("txtPresVal").toStdString(), "") << press;
    EXPECT_EQ(Text("txtshares").toStdString(), "1") << press;
    EXPECT_EQ(Text("IV").toStdString(), "") << press;
    EXPECT_EQ(Text("txtdiscount").toStdString(), "0.0625") << press;
    EXPECT_EQ(Text("txtIntr").toStdString(), "12.5") << press;
  }
  EXPECT_TRUE(services.messages.empty());

  Click("Command2");
  EXPECT_EQ(Text("txtshares").toStdString(), worked_example::kShares);
  EXPECT_EQ(Text("IV").toStdString(), "");
}

struct WriteRow {
  const char* behaviour;
  const char* box;
  const char* button;  // nullptr: Enter in the box
};

// The program's own writes replace a box's text outright: nothing it wrote over can come back
// with Ctrl+Z, and no undo history grows with every figure the box ever held.
TEST_F(InputsTest, TheProgramsWritesLeaveNoUndoStep) {
  const WriteRow rows[] = {
      {"Clear empties the cash flow", "txtPresVal", "Command9"},
      {"Clear empties the value", "IV", "Command9"},
      {"Clear writes the share count", "txtshares", "Command9"},
      {"Clear writes the discount rate", "txtdiscount", "Command9"},
      {"Help / reset writes the cash flow", "txtPresVal", "Command2"},
      {"Enter rewrites the cash flow", "txtPresVal", nullptr},
      {"Enter rewrites the share count", "txtshares", nullptr},
      {"the estimate writes the value", "IV", "Command1"},
      {"the estimate writes a working box", "Text1", "Command1"},
  };
  for (const WriteRow& row : rows) {
    Click("Command2");
    QLineEdit* box = Box(row.box);
    QTest::keyClicks(box, QStringLiteral("9"));
    ASSERT_TRUE(box->isUndoAvailable()) << row.behaviour;
    services.answers = {QStringLiteral("30")};
    if (row.button != nullptr) {
      Click(QString::fromLatin1(row.button));
    } else {
      QTest::keyClick(box, Qt::Key_Return);
    }
    const QString written = box->text();
    EXPECT_FALSE(box->isUndoAvailable()) << row.behaviour;
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text().toStdString(), written.toStdString()) << row.behaviour;
  }
}

struct EnterRow {
  const char* behaviour;
  const char* box;
  QString before;
  QString after;
};

// Which boxes Enter rewrites, and texts only the window can get wrong: megabytes, and what the
// bridge from the toolkit's text to the logic's could change.
TEST_F(InputsTest, EnterReformatsOnlyTheCashFlowAndShareBoxes) {
  const EnterRow rows[] = {
      {"cash flow gains dollar and groups", "txtPresVal", "4141000000", "$4,141,000,000"},
      {"share count gains groups", "txtshares", "1473000000", "1,473,000,000"},
      {"growth box untouched", "txtIntr", "1234", "1234"},
      {"discount box untouched", "txtdiscount", "1234", "1234"},
      {"value box untouched", "IV", "1234", "1234"},
      {"working box untouched", "Text3", "1234", "1234"},
      {"megabyte of digits stays", "txtPresVal", MegabyteOfDigits(), MegabyteOfDigits()},
      {"megabyte of leading zeros formats the figure", "txtPresVal", MegabyteEndingIn("4141000000"),
       "$4,141,000,000"},
      {"control characters stay", "txtshares", QString::fromUtf8("1473\x01\x7f"),
       QString::fromUtf8("1473\x01\x7f")},
      {"non-ASCII digits stay", "txtPresVal", QString::fromUtf8("\u0664\u0661"),
       QString::fromUtf8("\u0664\u0661")},
  };
  for (const EnterRow& row : rows) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
      QLineEdit* box = Box(row.box);
      box->setText(row.before);
      QTest::keyClick(box, key);
      EXPECT_TRUE(box->text() == row.after) << row.behaviour << ": " << Shown(box->text());
    }
  }
  EXPECT_TRUE(services.messages.empty());
  EXPECT_TRUE(services.questions.empty());
}

TEST_F(InputsTest, LeavingABoxDoesNotReformatIt) {
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QLineEdit* cash_flow = Box("txtPresVal");
  cash_flow->setFocus();
  cash_flow->clear();
  QTest::keyClicks(cash_flow, QStringLiteral("4141000000"));
  QTest::keyClick(cash_flow, Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), cash_flow);
  EXPECT_EQ(cash_flow->text().toStdString(), "4141000000");

  QLineEdit* shares = Box("txtshares");
  shares->setFocus();
  QTest::keyClicks(shares, QStringLiteral("000"));
  Click("Number_5");
  EXPECT_EQ(shares->text().toStdString(), "1,473,000,000000");
}

}  // namespace
}  // namespace worthmere::testing
