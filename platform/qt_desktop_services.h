#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/desktop_services.h"

namespace worthmere {

// The desktop services on Qt: message and input boxes parented to the main window (so none can
// open underneath it), the system clipboard, the default browser and the stays-on-top hint.
class QtDesktopServices final : public DesktopServices {
 public:
  explicit QtDesktopServices(QWidget* main_window = nullptr) : main_window_(main_window) {}
  void SetMainWindow(QWidget* main_window) { main_window_ = main_window; }

  void ShowMessage(const QString& text, MessageStyle style,
                   const std::optional<QString>& title) override;
  QString AskText(const QString& prompt, const QString& title,
                  const QString& default_text) override;
  bool ClearClipboard() override;
  bool SetClipboardText(const QString& text) override;
  void OpenAddress(const QString& address) override;
  void ProcessPendingEvents() override;
  void SetAlwaysOnTop(QWidget& window, bool on_top) override;

 private:
  QPointer<QWidget> main_window_;
};

// The message text as the box shows it: each CR LF pair becomes one line break.
QString MessageBoxText(const QString& text);

}  // namespace worthmere
