#include "app/calculator_window.h"
#include "app/run_handler.h"
#include "app/text_bridge.h"

namespace worthmere {

void CalculatorWindow::Number_Click(int index) {
  RunHandler([this, index] {
    const QString caption = controls_.Number.at(static_cast<std::size_t>(index))->text();
    if (!caption.isEmpty()) engine_.PressDigit(caption.at(0).toLatin1());
    ShowDisplay();
  });
}

void CalculatorWindow::Operator_Click(int index) {
  RunHandler([this, index] {
    const QString caption = controls_.Operator.at(static_cast<std::size_t>(index))->text();
    ShowKeypadMessage(engine_.PressOperator(ToUtf8(caption)));
    ShowDisplay();
  });
}

void CalculatorWindow::Decimal_Click() {
  RunHandler([this] {
    engine_.PressDecimal();
    ShowDisplay();
  });
}

void CalculatorWindow::Percent_Click() {
  RunHandler([this] {
    ShowKeypadMessage(engine_.PressPercent());
    ShowDisplay();
  });
}

void CalculatorWindow::Cancel_Click() {
  RunHandler([this] {
    engine_.ClearAll();
    Calculator_Load();
  });
}

void CalculatorWindow::CancelEntry_Click() {
  RunHandler([this] {
    engine_.ClearEntry();
    ShowDisplay();
  });
}

// The message shows while the display still holds the text from before the key.
void CalculatorWindow::ShowKeypadMessage(const std::optional<KeypadMessage>& message) {
  if (!message) return;
  services_.ShowMessage(FromUtf8(message->text), MessageStyle::OkExclamation,
                        FromUtf8(message->title));
}

void CalculatorWindow::ShowDisplay() {
  controls_.Readout->setText(FromUtf8(engine_.DisplayText()));
}

}  // namespace worthmere
