#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/calculator_window.h"
#include "window/modal_watchdog.h"
#include "window/scripted_services.h"

namespace worthmere::testing {

// The real window, shown on the test platform, over scripted services.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : window(services) {
    services.Attach(&window);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  template <typename Control = QWidget>
  Control* Find(const QString& name) {
    auto* control = window.findChild<Control*>(name);
    if (control == nullptr) ADD_FAILURE() << "no control " << name.toStdString();
    return control;
  }
  QLineEdit* Box(const QString& name) { return Find<QLineEdit>(name); }
  QString Text(const QString& name) { return Box(name)->text(); }
  QString Display() { return Find<QLabel>(QStringLiteral("Readout"))->text(); }
  void Click(const QString& name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }

  ScriptedServices services;
  CalculatorWindow window;
  ModalWatchdog watchdog;
};

}  // namespace worthmere::testing
