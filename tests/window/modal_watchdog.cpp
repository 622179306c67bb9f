#include "window/modal_watchdog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>

namespace worthmere::testing {

ModalWatchdog::ModalWatchdog() {
  timer_.setInterval(100);
  QObject::connect(&timer_, &QTimer::timeout, [] {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr) return;
    ADD_FAILURE() << "unexpected modal box: " << box->windowTitle().toStdString();
    if (auto* dialog = qobject_cast<QDialog*>(box)) {
      dialog->reject();
    } else {
      box->close();
    }
  });
  timer_.start();
}

}  // namespace worthmere::testing
