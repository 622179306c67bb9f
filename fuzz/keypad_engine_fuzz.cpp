// The keypad engine on arbitrary key sequences. After every key the engine must be in a state it
// can go on from: the display is a number, a typed entry (which may lie beyond the double range)
// or the lone "-" of a negative entry just started; the operands read as numbers; the operand
// count stays 0 to 2 and the pending operator is one of the keypad's; only an operator or percent
// key raises a message, and only one of the engine's; a digit typed into an entry is kept; and C
// brings back the state of a new engine.
//
// Input layout: one key per byte: "0" to "9", ".", "+", "-", "X", "/", "=", "%", "C", "E" (CE)
// stand for their keys; any other byte is key (byte modulo 19) in that order.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calculator/keypad_engine.h"
#include "fuzz/fuzz_check.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere::fuzz {
namespace {

constexpr std::string_view kKeys = "0123456789.+-X/=%CE";

char KeyOf(std::uint8_t byte) {
  const auto c = static_cast<char>(byte);
  if (kKeys.find(c) != std::string_view::npos) return c;
  return kKeys[byte % kKeys.size()];
}

std::optional<KeypadMessage> Press(KeypadEngine& engine, char key) {
  switch (key) {
    case '.':
      engine.PressDecimal();
      return std::nullopt;
    case '%':
      return engine.PressPercent();
    case 'C':
      engine.ClearAll();
      engine.ResetKeypad();
      return std::nullopt;
    case 'E':
      engine.ClearEntry();
      return std::nullopt;
    case '+':
    case '-':
    case 'X':
    case '/':
    case '=':
      return engine.PressOperator(std::string_view(&key, 1));
    default:
      engine.PressDigit(key);
      return std::nullopt;
  }
}

// Digits around one point, with a "-" in front at most: what typing leaves on the display.
bool IsTypedEntry(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i != point && (text[i] < '0' || text[i] > '9')) return false;
  }
  return true;
}

bool ReadsAsNumber(const KeypadEngine::Operand& operand) {
  if (const auto* text = std::get_if<std::string>(&operand)) return TextToDouble(*text).ok();
  return std::isfinite(*std::get_if<double>(&operand));
}

bool SameState(const KeypadEngine& a, const KeypadEngine& b) {
  return a.DisplayText() == b.DisplayText() && a.LastInput() == b.LastInput() &&
         a.DecimalEntered() == b.DecimalEntered() && a.OperatorCount() == b.OperatorCount() &&
         a.PendingOperator() == b.PendingOperator() && a.Operand1() == b.Operand1() &&
         a.Operand2() == b.Operand2();
}

// The first invariant the key broke, or nullptr.
const char* BrokenInvariant(const KeypadEngine& engine, char key, const std::string& display_before,
                            bool typing_before, const std::optional<KeypadMessage>& message) {
  const std::string& display = engine.DisplayText();
  const NumberResult<double> shown = TextToDouble(display);
  if (!shown.ok() && !(display == "-" && engine.LastInput() == LastInputKind::Neg) &&
      !(shown.error() == NumberError::Overflow && IsTypedEntry(display) &&
        engine.LastInput() == LastInputKind::Nums)) {
    return "display is neither a number nor an entry";
  }
  if (!ReadsAsNumber(engine.Operand1()) || !ReadsAsNumber(engine.Operand2())) {
    return "an operand is not a number";
  }
  if (engine.OperatorCount() < 0 || engine.OperatorCount() > 2) return "operand count out of range";
  const std::string& pending = engine.PendingOperator();
  if (pending.size() != 1 || std::string_view("+-X/=% ").find(pending[0]) == std::string::npos) {
    return "pending operator unknown";
  }
  if (key >= '0' && key <= '9' && typing_before &&
      (display.size() != display_before.size() + 1 || display.find(key) == std::string::npos)) {
    return "a typed digit was lost";
  }
  if (message) {
    if (std::string_view("+-X/=%").find(key) == std::string_view::npos) {
      return "a message from a key that cannot raise one";
    }
    if (message->Title != "Calculator" ||
        (message->Text != "Can't divide by zero" &&
         message->Text != "The number is too large for the calculator.")) {
      return "unknown message";
    }
  }
  return nullptr;
}

}  // namespace
}  // namespace worthmere::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace worthmere;
  const KeypadEngine fresh;
  KeypadEngine engine;
  std::string keys;
  for (std::size_t i = 0; i < size; ++i) {
    const char key = fuzz::KeyOf(data[i]);
    keys.push_back(key);
    const std::string before = engine.DisplayText();
    const bool typing = engine.LastInput() == LastInputKind::Nums;
    const std::optional<KeypadMessage> message = fuzz::Press(engine, key);
    const char* broken = fuzz::BrokenInvariant(engine, key, before, typing, message);
    if (broken == nullptr && key == 'C' && !fuzz::SameState(engine, fresh)) {
      broken = "C did not restore the starting state";
    }
    if (broken != nullptr) {
      fuzz::Fail(broken, "keys " + keys + " show \"" + engine.DisplayText() + "\"" +
                             (message ? " with message " + message->Text : ""));
    }
  }
  return 0;
}
