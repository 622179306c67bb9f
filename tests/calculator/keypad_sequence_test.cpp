#include <gtest/gtest.h>

#include <vector>

#include "calculator/keypad_engine.h"
#include "key_script.h"

namespace worthmere::testing {
namespace {

// One key sequence from start and what the display shows after each of its tokens.
struct KeySequence {
  const char* behaviour;
  const char* keys;
  const char* shown;
};

void ExpectSequences(const std::vector<KeySequence>& table) {
  for (const KeySequence& row : table) {
    SCOPED_TRACE(row.behaviour);
    KeypadEngine engine;
    EXPECT_EQ(RunKeys(engine, row.keys), Expand(row.shown)) << "keys: " << row.keys;
  }
}

TEST(KeypadSequences, TypedEntry) {
  ExpectSequences({
      {"a digit replaces the start display", "7", "7."},
      {"leading zeros are kept", "0 0 7", "0. 00. 007."},
      {"a second decimal point changes nothing", "1 . . 5", "1. 1. 1. 1.5"},
      {"the decimal point first gives 0.", ". 5", "0. 0.5"},
      {"minus then decimal point gives -0.", "- . 5", "-0. -0. -0.5"},
      {"a second minus at start changes nothing", "- - 5", "-0. -0. -5."},
      {"no limit on the digits", "1{40} .2{30}", "1{40}. 1{40}.2{30}"},
      {"trailing zeros after the point stay", "2.50", "2.50"},
      {"a digit after a result starts a new entry", "5 + 3 = 7", "5. 5. 3. 8 7."},
      {"a point after a result starts 0.", "5 + 3 = . 5", "5. 5. 3. 8 0. 0.5"},
      {"an entry after an operator starts fresh", "12 + 34", "12. 12. 34."},
  });
}

TEST(KeypadSequences, OperatorsEvaluateLeftToRight) {
  ExpectSequences({
      {"equals again repeats nothing, a new entry replaces the result",
       "5 + 3 = = 2 =", "5. 5. 3. 8 8 2. 2"},
      {"no precedence between operators", "5 + 3 X 2 =", "5. 5. 3. 8 2. 16"},
      {"the later of two operators wins", "5 + X 3 =", "5. 5. 5. 3. 15"},
      {"the later operator wins after a result", "5 + 3 = + X 2 =", "5. 5. 3. 8 8 8 2. 16"},
      {"a chain of four operands", "1 + 2 + 3 + 4 =", "1. 1. 2. 3 3. 6 4. 10"},
      {"equals right after an operator drops it", "5 + = 3 =", "5. 5. 5. 3. 3"},
      {"an operator at start evaluates nothing", "+ 5 =", "0. 5. 5."},
      {"an entry typed after equals replaces the result",
       "5 + 3 = 2 + 1 =", "5. 5. 3. 8 2. 2 1. 3"},
      {"a result has no decimal mark", "4 / 2 =", "4. 4. 2. 2"},
      {"a result keeps its fraction", "10 / 4 =", "10. 10. 4. 2.5"},
      {"results are written with 15 digits", "2 / 3 =", "2. 2. 3. 0.666666666666667"},
      {"binary fractions round back to the typed digits", "0.1 + 0.2 =", "0.1 0.1 0.2 0.3"},
      {"a result in exponent form is taken as the next operand",
       "1000000 X 1000000000 = X 10 =", "1000000. 1000000. 1000000000. 1E+15 1E+15 10. 1E+16"},
      {"a small result is written with an exponent", "0.0001 / 10 =", "0.0001 0.0001 10. 1E-05"},
      {"a one-digit exponent is written with two digits",
       "1 / 1000000000 =", "1. 1. 1000000000. 1E-09"},
  });
}

TEST(KeypadSequences, MinusKey) {
  ExpectSequences({
      {"minus after an operator starts a negative operand", "5 X - 3 =", "5. 5. - -3. -15"},
      {"minus after minus starts a negative operand", "5 - - 3 =", "5. 5. - -3. 8"},
      {"minus after equals subtracts from the result", "5 + 3 = - 2 =", "5. 5. 3. 8 8 2. 6"},
      {"minus at start gives a negative first operand", "- 5 + 3 =", "-0. -5. -5. 3. -2"},
      {"a negative operand after a negative result", "9 - 12 = X - 2 =", "9. 9. 12. -3 -3 - -2. 6"},
      {"minus after a chained result starts a negative operand",
       "5 + 3 X - 2 =", "5. 5. 3. 8 - -2. -16"},
      {"a negative operand with a point first", "5 X - . 5 =", "5. 5. - -0. -0.5 -2.5"},
      {"an operator after minus at start keeps the negative entry", "- + 5 =", "-0. -0. -5. -5."},
      {"a negative zero result is written 0", "0 X - 5 =", "0. 0. - -5. 0"},
  });
}

TEST(KeypadSequences, PercentKey) {
  ExpectSequences({
      {"percent as second operand replaces the pending operator",
       "200 + 5 % =", "200. 200. 5. 0.05 10"},
      {"percent after times gives the same", "200 X 5 % =", "200. 200. 5. 0.05 10"},
      {"percent first, then an operator takes the fraction", "50 % X 4 =", "50. 0.5 0.5 4. 2"},
      {"percent after a result", "5 + 3 = 50 % =", "5. 5. 3. 8 50. 0.5 4"},
      {"percent, then a number, multiplies the start zero", "50 % 3 =", "50. 0.5 3. 0"},
      {"percent at start", "%", "0"},
      {"percent right after an operator takes the first operand", "200 + % =", "200. 200. 2 400"},
      {"percent of a result", "5 + 3 = % =", "5. 5. 3. 8 0.08 0.64"},
      {"percent of a negative entry", "- 5 %", "-0. -5. -0.05"},
      {"a second percent at start counts the second operand",
       "50 % % X 4 =", "50. 0.5 0.005 0 4. 0"},
  });
}

// A percent key after a first operand brings the count to both operands; further operands are
// not counted, so the next operator key evaluates the pending percentage.
TEST(KeypadSequences, CountStopsAtBothOperands) {
  ExpectSequences({
      {"a number typed after the percentage replaces it",
       "5 + 10 % 3 = + 1 =", "5. 5. 10. 0.1 3. 15 15 1. 16"},
      {"a second percent divides again", "5 + 10 % % =", "5. 5. 10. 0.1 0.001 0.005"},
      {"a third percent divides again", "5 + 10 % % % =", "5. 5. 10. 0.1 0.001 1E-05 5E-05"},
      {"percent on a number typed after the percentage",
       "5 + 10 % 3 % =", "5. 5. 10. 0.1 3. 0.03 0.15"},
      {"a chained operator evaluates the percentage",
       "5 + 10 % 3 X 2 =", "5. 5. 10. 0.1 3. 15 2. 30"},
  });
}

TEST(KeypadSequences, ClearKeys) {
  ExpectSequences({
      {"CE after an operator keeps it pending", "5 + CE 3 =", "5. 5. 0. 3. 8"},
      {"CE on the second operand takes 0 at equals", "5 + 3 CE = + 2 =", "5. 5. 3. 0. 0. 0. 2. 2"},
      {"CE before the first operand", "5 CE 3 + 1 =", "5. 0. 3. 3. 1. 4"},
      {"CE after a result", "5 + 3 = CE 2 =", "5. 5. 3. 8 0. 2. 2"},
      {"CE drops a started negative operand", "5 X - CE 3 =", "5. 5. - 0. 3. 15"},
      {"CE after a percentage makes it zero", "200 + 5 % CE =", "200. 200. 5. 0.05 0. 0"},
      {"CE forgets the decimal point", "1.5 CE 2 3", "1.5 0. 2. 23."},
      {"CE at start", "CE 5 + 3 =", "0. 5. 5. 3. 8"},
      {"C drops the pending operator", "5 + 3 C 2 =", "5. 5. 3. 0. 2. 2."},
      {"C after a division by zero", "8 / 0 = C 1 + 1 =", "8. 8. 0. !8. 0. 1. 1. 1. 2"},
  });
}

TEST(KeypadSequences, DivisionByZero) {
  ExpectSequences({
      {"the message, then the typed first operand", "8 / 0 = + 2 =", "8. 8. 0. !8. 8. 2. 10"},
      {"a negative zero divisor", "8 / - 0 =", "8. 8. - -0. !8."},
      {"a zero divisor with decimals", "8 / 0.000 =", "8. 8. 0.000 !8."},
      {"a divisor of the point alone", "8 / . =", "8. 8. 0. !8."},
      {"a divisor of minus and point", "8 / - . =", "8. 8. - -0. !8."},
      {"a divisor below the double range", "8 / 0.0{400}1 =", "8. 8. 0.0{400}1 !8."},
      {"a result as dividend is shown without a mark", "4 + 4 / 0 =", "4. 4. 4. 8 0. !8"},
      {"a zero result divided by zero", "2 - 2 = / 0 =", "2. 2. 2. 0 0 0. !0"},
      {"the message at a chained operator, which becomes pending",
       "8 / 0 + 2 =", "8. 8. 0. !8. 2. 10"},
      {"a negative dividend", "- 8 / 0 =", "-0. -8. -8. 0. !-8."},
      {"zero divided by a number", "0 / 5 =", "0. 0. 5. 0"},
  });
}

// Nothing beyond the double range reaches the display: an entry too large to read is refused
// and stays for CE; a result too large leaves the running result as it was.
TEST(KeypadSequences, NumbersTooLarge) {
  ExpectSequences({
      {"a first operand too large is refused",
       "9{400} + CE 5 + 3 =", "9{400}. ^9{400}. 0. 5. 5. 3. 8"},
      {"digits still go to a refused entry", "9{400} + 9", "9{400}. ^9{400}. 9{401}."},
      {"a second operand too large keeps the pending operator",
       "5 + 9{400} = CE 3 =", "5. 5. 9{400}. ^9{400}. 0. 3. 8"},
      {"percent of an entry too large is refused", "9{400} %", "9{400}. ^9{400}."},
      {"an overflowing product keeps the running result",
       "10{307} X 100 = + 1 =", "10{307}. 10{307}. 100. ^10{307}. 10{307}. 1. 1E+307"},
      {"the operator that met the overflow becomes pending",
       "10{307} X 100 X 2 =", "10{307}. 10{307}. 100. ^10{307}. 2. 2E+307"},
      {"a negative overflow", "- 10{307} X 100 =", "-0. -10{307}. -10{307}. 100. ^-10{307}."},
      {"an overflowing sum", "9{308} + 9{308} =", "9{308}. 9{308}. 9{308}. ^9{308}."},
      {"an overflowing percentage",
       "10{307} + 10{304} % =", "10{307}. 10{307}. 10{304}. 1E+302 ^10{307}."},
      {"a result whose 15-digit text is beyond the range", "179769313486231570{292} + 0 =",
       "179769313486231570{292}. 179769313486231570{292}. 0. ^179769313486231570{292}."},
      {"a large result that can be shown", "10{307} X 10 =", "10{307}. 10{307}. 10. 1E+308"},
  });
}

// While a negative operand is started the display holds "-" alone, which is no number: keys
// that would take it are ignored.
TEST(KeypadSequences, MinusAloneIsNoOperand) {
  ExpectSequences({
      {"an operator is ignored", "5 X - + 3 =", "5. 5. - - -3. -15"},
      {"a further minus is ignored", "5 X - - 3 =", "5. 5. - - -3. -15"},
      {"equals is ignored", "5 X - = 3 =", "5. 5. - - -3. -15"},
      {"percent is ignored", "5 X - % 3 =", "5. 5. - - -3. -15"},
      {"after a chained result", "5 + 3 X - / 2 =", "5. 5. 3. 8 - - -2. -16"},
      {"a zero divisor after it", "8 / - / 0 =", "8. 8. - - -0. !8."},
  });
}

}  // namespace
}  // namespace worthmere::testing
