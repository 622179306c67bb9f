#include "platform/qt_desktop_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

namespace worthmere {

void QtDesktopServices::ShowMessage(const QString& text, MessageStyle style,
                                    const std::optional<QString>& title) {
  QMessageBox box(style == MessageStyle::OkExclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                  title.value_or(QString::fromLatin1(kApplicationTitle)), text, QMessageBox::Ok,
                  main_window_);
  box.exec();
}

QString QtDesktopServices::AskText(const QString& prompt, const QString& title,
                                   const QString& default_text) {
  bool ok = false;
  QString text = QInputDialog::getText(main_window_, title, prompt, QLineEdit::Normal,
                                       default_text, &ok);
  return ok ? text : QString();
}

bool QtDesktopServices::ClearClipboard() {
  QApplication::clipboard()->clear();
  return true;
}

bool QtDesktopServices::SetClipboardText(const QString& text) {
  QApplication::clipboard()->setText(text);
  return true;
}

void QtDesktopServices::OpenAddress(const QString& address) {
  QDesktopServices::openUrl(QUrl(address));
}

void QtDesktopServices::ProcessPendingEvents() { QApplication::processEvents(); }

void QtDesktopServices::SetAlwaysOnTop(QWidget& window, bool on_top) {
  window.setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
}

}  // namespace worthmere
