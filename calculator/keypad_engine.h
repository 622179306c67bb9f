#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace worthmere {

// What the last key did to the entry. Only Nums and Neg change how later keys behave.
enum class LastInputKind { None, Nums, Neg, Ops, ClearedEntry };

// A message the window must show (with the warning icon and an OK button) before it shows the
// engine's new display text.
struct KeypadMessage {
  std::string text;
  std::string title;
};

// The pocket calculator: an immediate-execution engine over its display text. It knows nothing of
// the window; the window feeds it key presses and copies DisplayText() into the display.
class KeypadEngine {
 public:
  // Operands are either a text copied from the display or a number from an evaluation.
  using Operand = std::variant<std::string, double>;

  KeypadEngine();

  void PressDigit(char digit);  // '0' to '9'
  void PressDecimal();
  // op is one of "+", "-", "X", "/", "=". A returned message is shown before the new display.
  std::optional<KeypadMessage> PressOperator(std::string_view op);
  std::optional<KeypadMessage> PressPercent();  // its message, too, is shown first
  void ClearEntry();
  void ClearAll();     // C; the window follows it with its load routine
  void ResetKeypad();  // the load routine's part

  const std::string& DisplayText() const { return display_; }
  LastInputKind LastInput() const { return last_input_; }
  bool DecimalEntered() const { return decimal_entered_; }
  std::int16_t OperatorCount() const { return operator_count_; }
  const std::string& PendingOperator() const { return pending_operator_; }
  const Operand& Operand1() const { return operand1_; }
  const Operand& Operand2() const { return operand2_; }

 private:
  // Runs the pending operation on Operand1 and the operand just taken; a message when it cannot.
  std::optional<KeypadMessage> Evaluate(double second);

  std::string display_;
  LastInputKind last_input_ = LastInputKind::None;
  bool decimal_entered_ = false;
  std::int16_t operator_count_ = 0;
  std::string pending_operator_;
  Operand operand1_ = 0.0;
  Operand operand2_ = 0.0;
  // The number Operand1 stands for, kept as it is set so an evaluation need not read it again.
  double operand1_number_ = 0.0;
};

}  // namespace worthmere
