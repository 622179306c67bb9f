#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>

namespace worthmere {

// The window's controls under their layout names. The window owns them through Qt's parent chain;
// this only points at them.
struct WindowControls {
  QWidget* picStart = nullptr;

  QLabel* Label3 = nullptr;
  QLabel* Label6 = nullptr;
  QLineEdit* txtIntr = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* txtdiscount = nullptr;
  QLabel* Label11 = nullptr;
  QLineEdit* txtPresVal = nullptr;
  QPushButton* Command3 = nullptr;
  QLabel* Label12 = nullptr;
  QLineEdit* txtshares = nullptr;
  QPushButton* Command4 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command9 = nullptr;
  QPushButton* Command1 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* IV = nullptr;

  QLabel* Readout = nullptr;
  std::array<QPushButton*, 10> Number{};   // index = digit
  std::array<QPushButton*, 5> Operator{};  // 0 "/", 1 "+", 2 "X", 3 "-", 4 "="
  QPushButton* Decimal = nullptr;
  QPushButton* Percent = nullptr;
  QPushButton* Cancel = nullptr;
  QPushButton* CancelEntry = nullptr;
  QLabel* Label1 = nullptr;

  QFrame* Line1 = nullptr;
  QFrame* Shape1 = nullptr;

  // Text1 to Text15 at index 0 to 14: the estimate's working boxes, beyond the right edge.
  std::array<QLineEdit*, 15> Text{};
};

// Builds every control on the window with its design text, place, font and colours, sets the
// accessible names and the keyboard focus order.
WindowControls BuildWindowControls(QWidget& window);

}  // namespace worthmere
