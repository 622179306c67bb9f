#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "calculator/keypad_engine.h"
#include "engine_state.h"
#include "key_script.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere::testing {
namespace {

bool IsTypedEntry(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  const std::size_t mark = text.find('.');
  if (mark == std::string_view::npos) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i != mark && !std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  return true;
}

bool NamesNoNumber(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

bool ReadsAsNumber(const KeypadEngine::Operand& operand) {
  if (const auto* text = std::get_if<std::string>(&operand)) return TextToDouble(*text).ok();
  return std::isfinite(*std::get_if<double>(&operand));
}

// Mostly short entries and operators, zeros often enough to divide by them, and now and then a
// run of digits long enough to leave the double range, so results overflow as well.
std::string NextKey(std::mt19937_64& random) {
  static constexpr std::string_view kOperators[] = {"+", "-", "X", "/", "="};
  const unsigned roll = static_cast<unsigned>(random() % 1000);
  if (roll < 450) return std::string(1, static_cast<char>('0' + random() % 10));
  if (roll < 490) return ".";
  if (roll < 800) return std::string(kOperators[random() % 5]);
  if (roll < 870) return "%";
  if (roll < 920) return "CE";
  if (roll < 930) return "C";
  if (roll < 932) return Expand("9{320}");
  if (roll < 945) return Expand("9{200}");
  return "0";
}

TEST(KeypadFuzz, RandomKeysKeepTheEngineSound) {
  std::mt19937_64 random(20240611);
  KeypadEngine engine;
  const EngineState start = StateOf(engine);
  int divisions_by_zero = 0;
  int too_large_entries = 0;
  int too_large_results = 0;
  int minus_alone = 0;

  for (int i = 0; i < 300000; ++i) {
    const std::string key = NextKey(random);
    std::optional<KeypadMessage> message;
    if (key.size() > 2) {
      for (char digit : key) engine.PressDigit(digit);
    } else {
      message = PressKey(engine, key);
    }
    const std::string& display = engine.DisplayText();
    const NumberResult<double> shown = TextToDouble(display);

    const bool sound = shown.ok() || (display == "-" && engine.LastInput() == LastInputKind::Neg) ||
                       (shown.error() == NumberError::Overflow && IsTypedEntry(display) &&
                        engine.LastInput() == LastInputKind::Nums);
    ASSERT_TRUE(sound) << "key " << i << " (" << key << ") shows \"" << display << '"';
    ASSERT_FALSE(NamesNoNumber(display)) << "key " << i << " shows \"" << display << '"';
    ASSERT_TRUE(ReadsAsNumber(engine.Operand1()))
        << "key " << i << ": " << Describe(engine.Operand1());
    ASSERT_TRUE(ReadsAsNumber(engine.Operand2()))
        << "key " << i << ": " << Describe(engine.Operand2());
    ASSERT_GE(engine.OperatorCount(), 0);
    ASSERT_LE(engine.OperatorCount(), 2);
    if (display == "-") ++minus_alone;

    if (message) {
      ASSERT_TRUE(key == "%" || key == "+" || key == "-" || key == "X" || key == "/" || key == "=")
          << "key " << i << " (" << key << ") raised a message";
      ASSERT_EQ(message->Title, "Calculator");
      if (message->Text == "Can't divide by zero") {
        ++divisions_by_zero;
      } else {
        ASSERT_EQ(message->Text, "The number is too large for the calculator.");
        ++(engine.LastInput() == LastInputKind::Nums ? too_large_entries : too_large_results);
      }
    }
    if (key == "C") {
      ASSERT_EQ(StateOf(engine), start) << "key " << i;
    }
  }
  // The run must have reached the states it is meant to explore.
  EXPECT_GT(divisions_by_zero, 100);
  EXPECT_GT(too_large_entries, 100);
  EXPECT_GT(too_large_results, 100);
  EXPECT_GT(minus_alone, 100);
}

}  // namespace
}  // namespace worthmere::testing
