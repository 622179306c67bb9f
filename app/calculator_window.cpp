#include "app/calculator_window.h"

namespace worthmere {

CalculatorWindow::CalculatorWindow(QWidget* parent) : QWidget(parent) {
  setObjectName("Calculator");
  setWindowTitle("Worthmere and Calculator");
  setFixedSize(571, 338);
}

}  // namespace worthmere
