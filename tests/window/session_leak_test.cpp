// One whole session on a window of its own, closed at the end. In the sanitizer build a leak
// check runs right after the window is gone, so a leak shows with the session that made it;
// LeakSanitizer checks the whole program again at exit, which also catches what this check cannot
// (a pointer still lying in a stack slot of this test looks reachable to it).

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <memory>

#include "app/calculator_window.h"
#include "window/hang_watchdog.h"
#include "window/modal_watchdog.h"
#include "window/scripted_services.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace worthmere::testing {
namespace {

void Click(QWidget& window, const char* name) {
  auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
  ASSERT_NE(button, nullptr) << name;
  QTest::mouseClick(button, Qt::LeftButton);
}

TEST(SessionTest, EveryFeatureThenCloseLeavesNothingBehind) {
  const HangWatchdog hang(std::chrono::seconds(120));
  const ModalWatchdog modal;
  ScriptedServices services;
  {
    auto window = std::make_unique<CalculatorWindow>(services);
    services.Attach(window.get());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    services.answers = {QStringLiteral("30"), QStringLiteral("60"), QStringLiteral("KO"),
                        QStringLiteral("abc")};

    Click(*window, "Command1");  // the estimate and a bargain report
    Click(*window, "Command1");  // the estimate and a not-a-bargain report
    Click(*window, "Command2");  // Help / reset
    Click(*window, "Command9");  // Clear
    Click(*window, "Command1");  // the error message
    Click(*window, "Command3");
    Click(*window, "Command4");
    auto* cash_flow = window->findChild<QLineEdit*>(QStringLiteral("txtPresVal"));
    ASSERT_NE(cash_flow, nullptr);
    cash_flow->setText(QStringLiteral("4141000000"));
    QTest::keyClick(cash_flow, Qt::Key_Return);
    for (const char* key :
         {"Number_1", "Number_2", "Operator_1", "Number_3", "Decimal", "Number_4", "Operator_4",
          "Operator_2", "Number_2", "Percent", "Operator_0", "Number_0", "Operator_4",
          "CancelEntry", "Operator_3", "Number_5", "Operator_4", "Cancel"}) {
      Click(*window, key);
    }
    // Four help steps, two reports, the error after Clear and the division by zero.
    EXPECT_EQ(services.messages.size(), 8u);
    EXPECT_EQ(services.addresses.size(), 3u);
    EXPECT_EQ(cash_flow->text().toStdString(), "$4,141,000,000");
    window->close();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

#if defined(__SANITIZE_ADDRESS__)
  EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "the session leaked; see the report above";
#endif
}

}  // namespace
}  // namespace worthmere::testing
