#include "platform/qt_desktop_services.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QUrl>
#include <QWindow>
#include <climits>

namespace worthmere {

QString MessageBoxText(const QString& text) {
  QString lines = text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return lines;
}

void QtDesktopServices::ShowMessage(const QString& text, MessageStyle style,
                                    const std::optional<QString>& title) {
  QMessageBox box(main_window_);
  box.setIcon(style == MessageStyle::OkExclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
  box.setWindowTitle(title.value_or(QString::fromLatin1(kApplicationTitle)));
  box.setTextFormat(Qt::PlainText);
  box.setText(MessageBoxText(text));
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

QString QtDesktopServices::AskText(const QString& prompt, const QString& title,
                                   const QString& default_text) {
  QInputDialog box(main_window_);
  box.setInputMode(QInputDialog::TextInput);
  box.setWindowTitle(title);
  box.setLabelText(prompt);
  box.setTextValue(default_text);
  if (auto* entry = box.findChild<QLineEdit*>()) entry->setMaxLength(INT_MAX);
  return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

bool QtDesktopServices::ClearClipboard() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  return clipboard->text().isEmpty();
}

bool QtDesktopServices::SetClipboardText(const QString& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(text);
  return clipboard->text() == text;
}

void QtDesktopServices::OpenAddress(const QString& address) {
  const QUrl url(address, QUrl::StrictMode);
  const bool web = url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http");
  if (url.isValid() && web) QDesktopServices::openUrl(url);
}

void QtDesktopServices::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void QtDesktopServices::SetAlwaysOnTop(QWidget& window, bool on_top) {
  Qt::WindowFlags flags = window.windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, on_top);
  QWindow* handle = window.windowHandle();
  if (!window.isVisible() || handle == nullptr) {
    // Before the first show the hint only needs recording; the window system reads it at mapping.
    window.setWindowFlags(flags);
    return;
  }
  // QWidget::setWindowFlags would hide a shown window; the window handle changes the hint in place.
  window.overrideWindowFlags(flags);
  // The window manager may have dropped the state behind the program's back (the user's window
  // menu); clearing the hint first makes setting it a change that reaches the window manager.
  if (on_top) handle->setFlags(flags & ~Qt::WindowStaysOnTopHint);
  handle->setFlags(flags);
  if (on_top) window.raise();
}

}  // namespace worthmere
