#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator/keypad_engine.h"
#include "engine_state.h"
#include "key_script.h"

namespace worthmere::testing {
namespace {

const EngineState kStart{"0.", LastInputKind::None, false, 0, " ", 0.0, 0.0};

TEST(KeypadState, StartAndClear) {
  KeypadEngine engine;
  EXPECT_EQ(StateOf(engine), kStart) << "a new engine";

  RunKeys(engine, "5 + 3 =");
  engine.ResetKeypad();
  EXPECT_EQ(StateOf(engine),
            (EngineState{"0.", LastInputKind::None, false, 0, " ", 8.0, std::string("3.")}))
      << "ResetKeypad leaves the operands";

  RunKeys(engine, "5 + 3 X");
  engine.ClearAll();
  EXPECT_EQ(StateOf(engine), (EngineState{"0.", LastInputKind::Ops, false, 1, "X", 0.0, 0.0}))
      << "ClearAll clears the display and the operands only; the load routine does the rest";
  engine.ResetKeypad();
  EXPECT_EQ(StateOf(engine), kStart) << "C as the window runs it";
}

// The whole state after a key sequence from start.
struct StateRow {
  const char* behaviour;
  const char* keys;
  EngineState state;
};

TEST(KeypadState, AfterKeys) {
  const std::vector<StateRow> table = {
      {"typing an entry", "5", {"5.", LastInputKind::Nums, false, 0, " ", 0.0, 0.0}},
      {"the decimal point is remembered",
       "5 .",
       {"5.", LastInputKind::Nums, true, 0, " ", 0.0, 0.0}},
      {"an operator takes the display as text",
       "5 +",
       {"5.", LastInputKind::Ops, false, 1, "+", std::string("5."), 0.0}},
      {"minus at start starts a negative entry",
       "-",
       {"-0.", LastInputKind::Neg, false, 0, " ", 0.0, 0.0}},
      {"a negative operand keeps the waiting operator",
       "5 X -",
       {"-", LastInputKind::Neg, false, 1, "X", std::string("5."), 0.0}},
      {"an evaluation stores a number",
       "5 + 3 =",
       {"8", LastInputKind::Ops, false, 1, "=", 8.0, std::string("3.")}},
      {"percent after a first operand counts both",
       "200 + 5 %",
       {"0.05", LastInputKind::Ops, false, 2, "%", std::string("200."), 0.0}},
      {"percent at start counts one", "50 %", {"0.5", LastInputKind::Ops, false, 1, "%", 0.0, 0.0}},
      {"CE keeps the pending operation",
       "5 + CE",
       {"0.", LastInputKind::ClearedEntry, false, 1, "+", std::string("5."), 0.0}},
      {"a division by zero keeps the first operand and takes the divisor",
       "8 / 0 =",
       {"8.", LastInputKind::Ops, false, 1, "=", std::string("8."), std::string("0.")}},
      {"an overflow keeps the running result",
       "4 X 10{307} X 10{307} =",
       {"4E+307", LastInputKind::Ops, false, 1, "=", 4e307, Expand("10{307}.")}},
      {"a second percent after a first operand counts no further",
       "5 + 10 % %",
       {"0.001", LastInputKind::Ops, false, 2, "%", std::string("5."), 0.0}},
      {"a number typed after a percentage waits as the second operand",
       "5 + 10 % 3",
       {"3.", LastInputKind::Nums, false, 2, "%", std::string("5."), 0.0}},
  };
  for (const StateRow& row : table) {
    SCOPED_TRACE(row.behaviour);
    KeypadEngine engine;
    RunKeys(engine, row.keys);
    EXPECT_EQ(StateOf(engine), row.state) << "keys: " << row.keys;
  }
}

// A key that is ignored or refused leaves every field as it was.
struct RefusedKey {
  const char* behaviour;
  const char* before;
  const char* key;
  bool message;
};

TEST(KeypadState, RefusedKeysChangeNothing) {
  const std::vector<RefusedKey> table = {
      {"an operator on minus alone", "5 X -", "+", false},
      {"minus on minus alone", "5 X -", "-", false},
      {"equals on minus alone", "5 X -", "=", false},
      {"percent on minus alone", "5 X -", "%", false},
      {"an operator on a first entry too large", "9{400}", "+", true},
      {"an operator on a second entry too large", "5 + 9{400}", "=", true},
      {"percent on an entry too large", "9{400}", "%", true},
      {"a symbol that is no operator", "5 + 3", "*", false},
      {"an empty operator symbol", "5 + 3", "", false},
  };
  for (const RefusedKey& row : table) {
    SCOPED_TRACE(row.behaviour);
    KeypadEngine engine;
    RunKeys(engine, row.before);
    const EngineState before = StateOf(engine);
    EXPECT_EQ(PressKey(engine, row.key).has_value(), row.message);
    EXPECT_EQ(StateOf(engine), before);
  }
}

TEST(KeypadState, DigitKeyIgnoresOtherCharacters) {
  KeypadEngine engine;
  RunKeys(engine, "5 +");
  const EngineState before = StateOf(engine);
  for (char key : {'a', '/', ':', '\0', '.'}) engine.PressDigit(key);
  EXPECT_EQ(StateOf(engine), before);
}

// The count is a 16-bit integer: far more percent keys than it could count must leave the
// operator keys working.
TEST(KeypadState, ManyPercentKeysLeaveTheOperatorsWorking) {
  KeypadEngine engine;
  RunKeys(engine, "5 + 10");
  for (int i = 0; i < 40000; ++i) ASSERT_FALSE(engine.PressPercent().has_value());
  EXPECT_EQ(engine.OperatorCount(), 2);
  EXPECT_EQ(RunKeys(engine, "= + 2 ="), "0 0 2. 2");
}

}  // namespace
}  // namespace worthmere::testing
