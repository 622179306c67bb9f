#pragma once

#include <QWidget>

namespace worthmere {

class CalculatorWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CalculatorWindow(QWidget* parent = nullptr);
};

}  // namespace worthmere
