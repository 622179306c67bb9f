#include "key_script.h"

#include "reference/keypad_invariants.h"

#include <cstdlib>
#include <sstream>

namespace worthmere::testing {
namespace {

char MarkerOf(const std::optional<KeypadMessage>& message) {
  if (!message) return 0;
  if (message->title != "Calculator") return '?';
  if (message->text == "Can't divide by zero") return '!';
  if (message->text == "The number is too large for the calculator.") return '^';
  return '?';
}

}  // namespace

std::string Expand(std::string_view script) {
  std::string out;
  for (std::size_t i = 0; i < script.size(); ++i) {
    if (script[i] == '{' && !out.empty()) {
      const std::size_t close = script.find('}', i);
      const int times = std::atoi(std::string(script.substr(i + 1, close - i - 1)).c_str());
      out.append(static_cast<std::size_t>(times - 1), out.back());
      i = close;
    } else {
      out += script[i];
    }
  }
  return out;
}

std::optional<KeypadMessage> PressKey(KeypadEngine& engine, std::string_view key) {
  if (key == "CE") return reference::PressKeypadKey(engine, 'E');
  if (key.size() == 1 && reference::kKeypadKeys.find(key[0]) != std::string_view::npos) {
    return reference::PressKeypadKey(engine, key[0]);
  }
  // Any other symbol goes to the operator keys, which must refuse it.
  return engine.PressOperator(key);
}

std::string RunKeys(KeypadEngine& engine, std::string_view script) {
  std::istringstream tokens(Expand(script));
  std::string shown;
  for (std::string token; tokens >> token;) {
    char marker = 0;
    const bool typed =
        token.size() > 1 && token.find_first_not_of("0123456789.") == std::string::npos;
    if (typed) {
      for (char key : token) {
        if (PressKey(engine, std::string_view(&key, 1))) marker = '?';
      }
    } else {
      marker = MarkerOf(PressKey(engine, token));
    }
    if (!shown.empty()) shown += ' ';
    if (marker != 0) shown += marker;
    shown += engine.DisplayText();
  }
  return shown;
}

}  // namespace worthmere::testing
