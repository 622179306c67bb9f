#include <QStringList>

#include "window/window_fixture.h"

namespace worthmere::testing {
namespace {

using KeypadTest = WindowTest;

// Keys by caption, as the user reads them on the keypad.
QString KeyName(const QString& caption) {
  static const QStringList kOperators = {"/", "+", "X", "-", "="};
  if (caption.size() == 1 && caption[0].isDigit()) return QStringLiteral("Number_") + caption;
  if (kOperators.contains(caption)) {
    return QStringLiteral("Operator_%1").arg(kOperators.indexOf(caption));
  }
  if (caption == ".") return QStringLiteral("Decimal");
  if (caption == "%") return QStringLiteral("Percent");
  if (caption == "C") return QStringLiteral("Cancel");
  return QStringLiteral("CancelEntry");
}

struct KeyRow {
  const char* behaviour;
  const char* keys;  // captions separated by blanks
  const char* display;
};

TEST_F(KeypadTest, ButtonsFeedTheEngineByCaption) {
  const KeyRow rows[] = {
      {"each digit key enters its own digit", "1 2 3 4 5 6 7 8 9 0", "1234567890."},
      {"plus adds", "5 + 3 =", "8"},
      {"minus subtracts", "9 - 4 =", "5"},
      {"X multiplies", "7 X 3 =", "21"},
      {"slash divides", "8 / 2 =", "4"},
      {"decimal point and digits", "1 . . 5", "1.5"},
      {"percent of the first operand", "2 0 0 + 5 %", "0.05"},
      {"CE clears the entry", "5 + 9 CE 3 =", "8"},
      {"C starts again", "5 + 3 C", "0."},
  };
  for (const KeyRow& row : rows) {
    Click("Cancel");
    for (const QString& caption : QString::fromLatin1(row.keys).split(' ')) Click(KeyName(caption));
    EXPECT_EQ(Display().toStdString(), row.display) << row.behaviour;
  }
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(KeypadTest, DivideByZeroShowsTheMessageBeforeTheDisplayChanges) {
  for (const char* caption : {"8", "/", "0", "="}) Click(KeyName(QString::fromLatin1(caption)));
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text.toStdString(), "Can't divide by zero");
  EXPECT_EQ(services.messages[0].title.value_or("none").toStdString(), "Calculator");
  EXPECT_EQ(services.messages[0].style, MessageStyle::OkExclamation);
  EXPECT_EQ(services.messages[0].display.toStdString(), "0.");
  EXPECT_EQ(Display().toStdString(), "8.");
}

TEST_F(KeypadTest, CRunsTheLoadRoutineAgain) {
  Click("Number_5");
  Click("Operator_1");
  Click("Cancel");
  EXPECT_EQ(Display().toStdString(), "0.");
  EXPECT_EQ(services.on_top_requests, 2);
  EXPECT_EQ(window.Engine().OperatorCount(), 0);
  EXPECT_EQ(window.Engine().PendingOperator(), " ");
  EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace worthmere::testing
