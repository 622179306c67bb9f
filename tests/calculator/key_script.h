#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calculator/keypad_engine.h"

namespace worthmere::testing {

// Keypad scripts: keys separated by blanks, "0".."9", ".", "+", "-", "X", "/", "=", "%", "CE", and
// "C" (ClearAll followed by ResetKeypad, as the window's C key does). A token of several digits
// and points ("200", "0.5") is typed key by key. "d{n}" stands for the character d n times.
//
// What a script shows is written the same way: per token the display after it, marked "!" when
// the token raised "Can't divide by zero" and "^" when it raised the too-large message.

std::string Expand(std::string_view script);

// One key; a message it raises, if any.
std::optional<KeypadMessage> PressKey(KeypadEngine& engine, std::string_view key);

// Runs the script and writes what it showed, token by token, blank-separated.
std::string RunKeys(KeypadEngine& engine, std::string_view script);

}  // namespace worthmere::testing
