#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "calculator/keypad_engine.h"
#include "key_script.h"
#include "reference/keypad_invariants.h"

namespace worthmere::testing {
namespace {

// Mostly short entries and operators, zeros often enough to divide by them, and now and then a
// run of digits long enough to leave the double range, so results overflow as well.
std::string NextKeys(std::mt19937_64& random) {
  static constexpr char kOperators[] = {'+', '-', 'X', '/', '='};
  const unsigned roll = static_cast<unsigned>(random() % 1000);
  if (roll < 450) return std::string(1, static_cast<char>('0' + random() % 10));
  if (roll < 490) return ".";
  if (roll < 800) return std::string(1, kOperators[random() % 5]);
  if (roll < 870) return "%";
  if (roll < 920) return "E";
  if (roll < 930) return "C";
  if (roll < 932) return Expand("9{320}");
  if (roll < 945) return Expand("9{200}");
  return "0";
}

TEST(KeypadFuzz, RandomKeysKeepTheEngineSound) {
  std::mt19937_64 random(20240611);
  KeypadEngine engine;
  int divisions_by_zero = 0;
  int too_large_entries = 0;
  int too_large_results = 0;
  int minus_alone = 0;

  for (int i = 0; i < 300000; ++i) {
    for (const char key : NextKeys(random)) {
      const auto before = reference::BeforeKey::Of(engine);
      const std::optional<KeypadMessage> message = reference::PressKeypadKey(engine, key);
      const char* broken = reference::BrokenKeypadInvariant(engine, key, before, message);
      ASSERT_EQ(broken, nullptr) << broken << ": key " << i << " (" << key << ") shows \""
                                 << engine.DisplayText() << '"';
      if (message && message->text == "Can't divide by zero") ++divisions_by_zero;
      if (message && message->text != "Can't divide by zero") {
        ++(engine.LastInput() == LastInputKind::Nums ? too_large_entries : too_large_results);
      }
    }
    if (engine.DisplayText() == "-") ++minus_alone;
  }
  // The run must have reached the states it is meant to explore.
  EXPECT_GT(divisions_by_zero, 100);
  EXPECT_GT(too_large_entries, 100);
  EXPECT_GT(too_large_results, 100);
  EXPECT_GT(minus_alone, 100);
}

}  // namespace
}  // namespace worthmere::testing
