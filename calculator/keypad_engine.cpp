#include "calculator/keypad_engine.h"

#include <algorithm>

#include "calculator/keypad_arithmetic.h"
#include "valuation/numbers/format_number.h"
#include "valuation/numbers/number_to_text.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere {
namespace {

constexpr std::int16_t kBothOperands = 2;

// The zero texts are made once: digit entry starts from one of them on most keys.
const std::string& ZeroDisplay() {
  static const std::string text = FormatNumber(0.0, "0.");
  return text;
}

const std::string& NegativeZeroDisplay() {
  static const std::string text = FormatNumber(0.0, "-0.");
  return text;
}

const std::string& EmptyEntry() {
  static const std::string text = FormatNumber(0.0, ".");
  return text;
}

KeypadMessage Message(ArithmeticFault fault) {
  switch (fault) {
    case ArithmeticFault::DivideByZero:
      return {"Can't divide by zero", "Calculator"};
    case ArithmeticFault::OutOfRange:
      break;
  }
  return {"The number is too large for the calculator.", "Calculator"};
}

// A key that needs the display as a number while it holds "-" alone is ignored; one that finds
// an entry beyond the double range is refused with a message. Either way nothing changes.
std::optional<KeypadMessage> Refusal(NumberError error) {
  if (error == NumberError::Overflow) return Message(ArithmeticFault::OutOfRange);
  return std::nullopt;
}

bool IsOperatorSymbol(std::string_view op) {
  return op == "+" || op == "-" || op == "X" || op == "/" || op == "=";
}

// Counting stops at both operands, so the next operator key always evaluates and the 16-bit count
// cannot overflow however often the percent key is pressed.
std::int16_t OneMoreOperand(std::int16_t count) {
  return std::min<std::int16_t>(static_cast<std::int16_t>(count + 1), kBothOperands);
}

std::string TextOf(const KeypadEngine::Operand& operand) {
  if (const double* number = std::get_if<double>(&operand)) return NumberToText(*number);
  return *std::get_if<std::string>(&operand);
}

}  // namespace

KeypadEngine::KeypadEngine() { ResetKeypad(); }

void KeypadEngine::PressDigit(char digit) {
  if (digit < '0' || digit > '9') return;
  if (last_input_ != LastInputKind::Nums) {
    display_ = EmptyEntry();
    decimal_entered_ = false;
  }
  if (decimal_entered_) {
    display_ += digit;
  } else {
    display_.resize(std::min(display_.find('.'), display_.size()));
    display_ += digit;
    display_ += '.';
  }
  if (last_input_ == LastInputKind::Neg) display_.insert(0, 1, '-');
  last_input_ = LastInputKind::Nums;
}

void KeypadEngine::PressDecimal() {
  if (last_input_ == LastInputKind::Neg) {
    display_ = NegativeZeroDisplay();
  } else if (last_input_ != LastInputKind::Nums) {
    display_ = ZeroDisplay();
  }
  decimal_entered_ = true;
  last_input_ = LastInputKind::Nums;
}

std::optional<KeypadMessage> KeypadEngine::PressOperator(std::string_view op) {
  if (!IsOperatorSymbol(op)) return std::nullopt;
  const std::int16_t count =
      last_input_ == LastInputKind::Nums ? OneMoreOperand(operator_count_) : operator_count_;

  // From one operand on the display is taken, so it is read before anything changes.
  double shown = 0.0;
  if (count > 0) {
    const NumberResult<double> read = TextToDouble(display_);
    if (!read) return Refusal(read.error());
    shown = *read;
  }

  operator_count_ = count;
  std::optional<KeypadMessage> message;
  if (count == 0) {
    if (op == "-" && last_input_ != LastInputKind::Neg) {
      display_.insert(0, 1, '-');
      last_input_ = LastInputKind::Neg;
    }
  } else if (count == 1) {
    operand1_ = display_;
    operand1_number_ = shown;
    if (op == "-" && last_input_ != LastInputKind::Nums && pending_operator_ != "=") {
      display_.assign(1, '-');
      last_input_ = LastInputKind::Neg;
    }
  } else {
    operand2_ = display_;
    message = Evaluate(shown);
    display_ = TextOf(operand1_);
    operator_count_ = 1;
  }

  if (last_input_ != LastInputKind::Neg) {
    last_input_ = LastInputKind::Ops;
    pending_operator_.assign(1, op.front());  // every symbol is one character
  }
  return message;
}

std::optional<KeypadMessage> KeypadEngine::Evaluate(double second) {
  if (pending_operator_ == " ") return std::nullopt;
  const ArithmeticResult result = ApplyPendingOperator(pending_operator_, operand1_number_, second);
  if (!result) return Message(result.error());
  operand1_ = *result;
  operand1_number_ = *result;
  return std::nullopt;
}

std::optional<KeypadMessage> KeypadEngine::PressPercent() {
  const NumberResult<double> shown = TextToDouble(display_);
  if (!shown) return Refusal(shown.error());
  display_ = NumberToText(*shown / 100);
  last_input_ = LastInputKind::Ops;
  pending_operator_.assign(1, '%');
  operator_count_ = OneMoreOperand(operator_count_);
  return std::nullopt;
}

void KeypadEngine::ClearEntry() {
  display_ = ZeroDisplay();
  decimal_entered_ = false;
  last_input_ = LastInputKind::ClearedEntry;
}

void KeypadEngine::ClearAll() {
  display_ = ZeroDisplay();
  operand1_ = 0.0;
  operand1_number_ = 0.0;
  operand2_ = 0.0;
}

void KeypadEngine::ResetKeypad() {
  decimal_entered_ = false;
  operator_count_ = 0;
  last_input_ = LastInputKind::None;
  pending_operator_.assign(1, ' ');
  display_ = ZeroDisplay();
}

}  // namespace worthmere
