#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calculator/keypad_engine.h"

namespace worthmere::reference {

// The keys as single characters: "0" to "9", ".", "+", "-", "X", "/", "=", "%", "C" (ClearAll
// followed by ResetKeypad, as the window's C key does) and "E" for CE.
inline constexpr std::string_view kKeypadKeys = "0123456789.+-X/=%CE";

// Everything the engine holds, to compare whole states.
struct EngineState {
  std::string display;
  LastInputKind last_input;
  bool decimal_entered;
  std::int16_t operator_count;
  std::string pending_operator;
  KeypadEngine::Operand operand1;
  KeypadEngine::Operand operand2;

  bool operator==(const EngineState&) const = default;
};

EngineState StateOf(const KeypadEngine& engine);

// Presses one key; the message it raises, if any.
std::optional<KeypadMessage> PressKeypadKey(KeypadEngine& engine, char key);

// What the engine showed before a key.
struct BeforeKey {
  std::string display;
  bool typing = false;  // the last key typed into an entry

  static BeforeKey Of(const KeypadEngine& engine);
};

// After every key the engine must be in a state it can go on from: the display is a number, a
// typed entry (which may lie beyond the double range) or the lone "-" of a negative entry just
// started, and never names inf or nan; the operands read as numbers; the operand count stays 0 to
// 2 and the pending operator is one of the keypad's; only an operator or percent key raises a
// message, and only one of the engine's; a digit typed into an entry is kept; and C brings back
// the state of a new engine. Returns the first rule the key broke, or nullptr.
const char* BrokenKeypadInvariant(const KeypadEngine& engine, char key, const BeforeKey& before,
                                  const std::optional<KeypadMessage>& message);

}  // namespace worthmere::reference
