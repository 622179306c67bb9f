#include "app/calculator_window.h"

#include <QScopedValueRollback>

#include "app/run_handler.h"
#include "app/text_bridge.h"
#include "valuation/bargain_report.h"
#include "valuation/estimate.h"

namespace worthmere {

void CalculatorWindow::Command1_Click() {
  // The passes over waiting events can deliver another click on this button; it must not start a
  // second press inside the first.
  if (estimate_press_open_) return;
  const QScopedValueRollback<bool> press_open(estimate_press_open_, true);
  // Every failure ends the press with the one message, a thrown one too (which RunHandler also
  // reports unless it is running out of memory).
  bool done = false;
  RunHandler([this, &done] { done = RunEstimatePress(); });
  if (!done) RunHandler([this] { ShowEstimateFailure(); });
}

bool CalculatorWindow::RunEstimatePress() {
  if (!services_.ClearClipboard()) return false;
  const WindowControls& c = controls_;
  const EstimateInputs inputs{ToUtf8(c.txtPresVal->text()), ToUtf8(c.txtIntr->text()),
                              ToUtf8(c.txtdiscount->text()), ToUtf8(c.txtshares->text())};
  const auto estimate = EstimateValue(inputs, [&c](int year, const std::string& text) {
    c.Text.at(static_cast<std::size_t>(year - 1))->setText(FromUtf8(text));
  });
  if (!estimate) return false;
  c.IV->setText(FromUtf8(estimate->share_value.value_per_share_text));
  return ReportOnMarketPrice();
}

bool CalculatorWindow::ReportOnMarketPrice() {
  const std::string price = ToUtf8(services_.AskText(
      FromUtf8(kMarketPricePrompt), FromUtf8(kMarketPriceTitle), FromUtf8(kMarketPriceDefault)));
  if (!ReadMarketPrice(price)) return false;
  const auto value = PlainValuePerShare(ToUtf8(controls_.IV->text()));
  if (!value) return false;
  controls_.IV->setText(FromUtf8(*value));
  const auto report = ComposeBargainReport(*value, price, ToUtf8(controls_.txtIntr->text()));
  if (!report) return false;
  return DeliverReport(FromUtf8(report->text), report->kind == ReportKind::Bargain);
}

bool CalculatorWindow::DeliverReport(const QString& text, bool bargain) {
  if (bargain) {
    services_.ProcessPendingEvents();
    services_.ProcessPendingEvents();
    if (!services_.SetClipboardText(text)) return false;
  }
  services_.ShowMessage(text, MessageStyle::OkOnly);
  return true;
}

void CalculatorWindow::ShowEstimateFailure() {
  services_.ShowMessage(FromUtf8(kEstimateFailedMessage), MessageStyle::OkOnly);
}

}  // namespace worthmere
