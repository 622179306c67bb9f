#include "app/calculator_window.h"

#include <QIcon>
#include <QPixmap>

#include "app/calculator_icon.h"
#include "app/run_handler.h"
#include "app/text_bridge.h"
#include "platform/twips.h"
#include "valuation/enter_formatting.h"
#include "valuation/input_defaults.h"
#include "weblinks/lookup_address.h"

namespace worthmere {

namespace {

void LookUp(DesktopServices& services, LookupPage page) {
  // Upper case by the toolkit's Unicode rule: "é" becomes "É", "ß" becomes "SS".
  const QString ticker =
      services.AskText(FromUtf8(kTickerPrompt), FromUtf8(kTickerTitle), FromUtf8(kTickerDefault))
          .toUpper();
  services.OpenAddress(FromUtf8(LookupAddress(page, ToUtf8(ticker))));
  services.ProcessPendingEvents();
}

}  // namespace

CalculatorWindow::CalculatorWindow(DesktopServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      services_(services) {
  setObjectName(QStringLiteral("Calculator"));
  setWindowTitle(QStringLiteral("Worthmere and Calculator"));
  setWindowIcon(QIcon(QPixmap::fromImage(CalculatorIconImage())));
  setFixedSize(TwipsToPixels(8565, kDesignTwipsPerPixel),
               TwipsToPixels(5070, kDesignTwipsPerPixel));
  controls_ = BuildWindowControls(*this);
  // The first control in the focus order has the focus when the window opens.
  controls_.Command9->setFocus();
  ConnectEvents();
  Calculator_Load();
}

void CalculatorWindow::ConnectEvents() {
  const WindowControls& c = controls_;
  connect(c.Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(c.Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(c.Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
  connect(c.Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(c.Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
  // Enter only: editingFinished would also fire when the box loses the focus.
  connect(c.txtPresVal, &QLineEdit::returnPressed, this, [this] { txtPresVal_ReturnPressed(); });
  connect(c.txtshares, &QLineEdit::returnPressed, this, [this] { txtshares_ReturnPressed(); });
  for (int i = 0; i < static_cast<int>(c.Number.size()); ++i) {
    connect(c.Number[i], &QPushButton::clicked, this, [this, i] { Number_Click(i); });
  }
  for (int i = 0; i < static_cast<int>(c.Operator.size()); ++i) {
    connect(c.Operator[i], &QPushButton::clicked, this, [this, i] { Operator_Click(i); });
  }
  connect(c.Decimal, &QPushButton::clicked, this, [this] { Decimal_Click(); });
  connect(c.Percent, &QPushButton::clicked, this, [this] { Percent_Click(); });
  connect(c.Cancel, &QPushButton::clicked, this, [this] { Cancel_Click(); });
  connect(c.CancelEntry, &QPushButton::clicked, this, [this] { CancelEntry_Click(); });
}

void CalculatorWindow::Calculator_Load() {
  RunHandler([this] {
    engine_.ResetKeypad();
    ShowDisplay();
    SetAlwaysOnTop(*this, true);
  });
}

void CalculatorWindow::SetAlwaysOnTop(QWidget& window, bool on_top) {
  services_.SetAlwaysOnTop(window, on_top);
}

void CalculatorWindow::reset() {
  controls_.txtPresVal->setText(FromUtf8(kDefaultFreeCashFlowText));
  controls_.txtshares->setText(FromUtf8(kDefaultSharesText));
  controls_.txtdiscount->setText(FromUtf8(DefaultDiscountText()));
}

void CalculatorWindow::Command2_Click() {
  RunHandler([this] {
    reset();
    for (const std::string& message : HelpMessages()) {
      services_.ShowMessage(FromUtf8(message), MessageStyle::OkOnly);
    }
    services_.OpenAddress(FromUtf8(kBookStoreAddress));
  });
}

void CalculatorWindow::Command9_Click() {
  // setText, unlike the line edit's clear(), leaves no undo step: the box's history would keep
  // every figure ever cleared, and Ctrl+Z would bring it back.
  RunHandler([this] {
    controls_.txtPresVal->setText(QString());
    controls_.txtshares->setText(FromUtf8(ClearedSharesText()));
    controls_.IV->setText(QString());
    controls_.txtdiscount->setText(FromUtf8(DefaultDiscountText()));
  });
}

void CalculatorWindow::txtPresVal_ReturnPressed() {
  RunHandler([box = controls_.txtPresVal] {
    box->setText(FromUtf8(FormatCashFlowOnEnter(ToUtf8(box->text()))));
  });
}

void CalculatorWindow::txtshares_ReturnPressed() {
  RunHandler([box = controls_.txtshares] {
    box->setText(FromUtf8(FormatSharesOnEnter(ToUtf8(box->text()))));
  });
}

void CalculatorWindow::Command3_Click() {
  RunHandler([this] { LookUp(services_, LookupPage::CashFlow); });
}

void CalculatorWindow::Command4_Click() {
  RunHandler([this] { LookUp(services_, LookupPage::Ratios); });
}

}  // namespace worthmere
