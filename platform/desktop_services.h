#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace worthmere {

// The message box's buttons and icon.
enum class MessageStyle {
  OkOnly,         // OK button, no icon
  OkExclamation,  // OK button, warning icon
};

// Everything the window's handlers need from the desktop beyond their own controls. Handlers
// reach these only through this interface, so tests can script every answer and record every
// effect.
class DesktopServices {
 public:
  virtual ~DesktopServices() = default;

  // Modal to the main window. CR LF pairs in the text start new lines. Without a title the box
  // shows the application title "Worthmere".
  virtual void ShowMessage(const QString& text, MessageStyle style,
                           const std::optional<QString>& title = std::nullopt) = 0;
  // Modal to the main window. The entry's text on OK or Enter; the empty text on Cancel, Escape or
  // the close box.
  virtual QString AskText(const QString& prompt, const QString& title,
                          const QString& default_text) = 0;
  // Both report whether the system clipboard took the change.
  virtual bool ClearClipboard() = 0;
  virtual bool SetClipboardText(const QString& text) = 0;
  // Hands the address to the default browser and returns at once; a failure passes silently.
  virtual void OpenAddress(const QString& address) = 0;
  // Lets the user-interface events already waiting be handled once.
  virtual void ProcessPendingEvents() = 0;
  // Puts the window into (or out of) the band of always-on-top windows without moving, resizing,
  // hiding or activating it.
  virtual void SetAlwaysOnTop(QWidget& window, bool on_top) = 0;
};

// The application title message boxes show when given none.
inline constexpr const char* kApplicationTitle = "Worthmere";

}  // namespace worthmere
