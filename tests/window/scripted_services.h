#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop_services.h"

class QWidget;

namespace worthmere::testing {

// Desktop services with scripted answers and recorded effects. Every call is also written to
// `log` ("clear", "set", "ask", "message", "open", "pending", "on-top") so tests can check order.
class ScriptedServices final : public DesktopServices {
 public:
  struct Message {
    QString text;
    MessageStyle style;
    std::optional<QString> title;
    QString display;  // the calculator display's text while the box is open
  };
  struct Question {
    QString prompt;
    QString title;
    QString default_text;
  };

  // The window whose display each message records.
  void Attach(QWidget* window) { window_ = window; }

  void ShowMessage(const QString& text, MessageStyle style,
                   const std::optional<QString>& title) override;
  QString AskText(const QString& prompt, const QString& title,
                  const QString& default_text) override;
  bool ClearClipboard() override;
  bool SetClipboardText(const QString& text) override;
  void OpenAddress(const QString& address) override;
  void ProcessPendingEvents() override;
  void SetAlwaysOnTop(QWidget& window, bool on_top) override;

  std::deque<QString> answers;  // what the input boxes return, in turn
  bool clear_succeeds = true;
  bool set_succeeds = true;
  bool ask_runs_out_of_memory = false;  // AskText throws std::bad_alloc
  std::function<void()> on_pending;     // runs inside each pass over waiting events
  std::function<void()> on_message;     // runs while each message is "open"
  std::function<void()> on_open;        // runs inside each browser request

  QString clipboard = QStringLiteral("held before the press");
  std::vector<Message> messages;
  std::vector<Question> questions;
  std::vector<QString> addresses;
  std::vector<std::string> log;
  int on_top_requests = 0;
  QWidget* on_top_window = nullptr;

 private:
  QWidget* window_ = nullptr;
};

}  // namespace worthmere::testing
