#pragma once

#include "platform/desktop_services.h"

namespace worthmere {

// The desktop services on Qt: message and input boxes parented to the main window, the system
// clipboard, the default browser and window-manager hints.
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
  QWidget* main_window_;
};

}  // namespace worthmere
