// Layers: valuation/, calculator/ and weblinks/ hold the program's logic as plain C++ over texts;
// platform/ reaches the desktop (message and input boxes, clipboard, browser, stacking) through
// DesktopServices; this window owns the controls and the keypad engine and binds each event to
// one short operation. One press, click to display: "=" (Operator_4) runs Operator_Click(4), which
// hands the caption "=" to KeypadEngine::PressOperator, shows the division-by-zero message it may
// return through DesktopServices, then copies DisplayText() into Readout.
#pragma once

#include <QWidget>
#include <optional>

#include "app/window_controls.h"
#include "calculator/keypad_engine.h"
#include "platform/desktop_services.h"

namespace worthmere {

class CalculatorWindow : public QWidget {
  Q_OBJECT

 public:
  // Builds the controls and runs the load routine; the caller shows the window.
  explicit CalculatorWindow(DesktopServices& services, QWidget* parent = nullptr);

  // The load routine: the keypad's initial state, "0." on the display, the window on top.
  void Calculator_Load();
  // Help / reset's first step: the default cash flow, share count and discount rate.
  void reset();
  void SetAlwaysOnTop(QWidget& window, bool on_top);

  const KeypadEngine& Engine() const { return engine_; }

 private:
  void ConnectEvents();

  void Command1_Click();
  void Command2_Click();
  void Command9_Click();
  void Command3_Click();
  void Command4_Click();
  void txtPresVal_ReturnPressed();
  void txtshares_ReturnPressed();

  void Number_Click(int index);
  void Operator_Click(int index);
  void Decimal_Click();
  void Percent_Click();
  void Cancel_Click();
  void CancelEntry_Click();

  // The estimate press, step by step; each returns false when the press has failed.
  bool RunEstimatePress();
  bool ReportOnMarketPrice();
  bool DeliverReport(const QString& text, bool bargain);
  void ShowEstimateFailure();

  void ShowKeypadMessage(const std::optional<KeypadMessage>& message);
  void ShowDisplay();

  DesktopServices& services_;
  WindowControls controls_;
  KeypadEngine engine_;
  bool estimate_press_open_ = false;
};

}  // namespace worthmere
