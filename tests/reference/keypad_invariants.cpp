#include "reference/keypad_invariants.h"

#include <cctype>
#include <cmath>
#include <cstddef>
#include <variant>

#include "valuation/numbers/text_to_number.h"

namespace worthmere::reference {
namespace {

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

bool NamesNoNumber(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

bool ReadsAsNumber(const KeypadEngine::Operand& operand) {
  if (const auto* text = std::get_if<std::string>(&operand)) return TextToDouble(*text).ok();
  return std::isfinite(*std::get_if<double>(&operand));
}

}  // namespace

EngineState StateOf(const KeypadEngine& engine) {
  return {engine.DisplayText(),   engine.LastInput(),       engine.DecimalEntered(),
          engine.OperatorCount(), engine.PendingOperator(), engine.Operand1(),
          engine.Operand2()};
}

std::optional<KeypadMessage> PressKeypadKey(KeypadEngine& engine, char key) {
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

BeforeKey BeforeKey::Of(const KeypadEngine& engine) {
  return {engine.DisplayText(), engine.LastInput() == LastInputKind::Nums};
}

const char* BrokenKeypadInvariant(const KeypadEngine& engine, char key, const BeforeKey& before,
                                  const std::optional<KeypadMessage>& message) {
  const std::string& display = engine.DisplayText();
  const NumberResult<double> shown = TextToDouble(display);
  if (!shown.ok() && !(display == "-" && engine.LastInput() == LastInputKind::Neg) &&
      !(shown.error() == NumberError::Overflow && IsTypedEntry(display) &&
        engine.LastInput() == LastInputKind::Nums)) {
    return "display is neither a number nor an entry";
  }
  if (NamesNoNumber(display)) return "display names no number";
  if (!ReadsAsNumber(engine.Operand1()) || !ReadsAsNumber(engine.Operand2())) {
    return "an operand is not a number";
  }
  if (engine.OperatorCount() < 0 || engine.OperatorCount() > 2) return "operand count out of range";
  const std::string& pending = engine.PendingOperator();
  if (pending.size() != 1 || std::string_view("+-X/=% ").find(pending[0]) == std::string::npos) {
    return "pending operator unknown";
  }
  if (key >= '0' && key <= '9' && before.typing &&
      (display.size() != before.display.size() + 1 || display.find(key) == std::string::npos)) {
    return "a typed digit was lost";
  }
  if (message) {
    if (std::string_view("+-X/=%").find(key) == std::string_view::npos) {
      return "a message from a key that cannot raise one";
    }
    if (message->title != "Calculator" ||
        (message->text != "Can't divide by zero" &&
         message->text != "The number is too large for the calculator.")) {
      return "unknown message";
    }
  }
  if (key == 'C' && StateOf(engine) != StateOf(KeypadEngine())) {
    return "C did not restore the starting state";
  }
  return nullptr;
}

}  // namespace worthmere::reference
