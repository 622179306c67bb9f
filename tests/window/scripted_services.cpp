#include "window/scripted_services.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>
#include <new>

namespace worthmere::testing {

void ScriptedServices::ShowMessage(const QString& text, MessageStyle style,
                                   const std::optional<QString>& title) {
  log.emplace_back("message");
  QString display;
  if (window_ != nullptr) {
    if (const auto* readout = window_->findChild<QLabel*>(QStringLiteral("Readout"))) {
      display = readout->text();
    }
  }
  messages.push_back({text, style, title, display});
  if (on_message) on_message();
}

QString ScriptedServices::AskText(const QString& prompt, const QString& title,
                                  const QString& default_text) {
  log.emplace_back("ask");
  questions.push_back({prompt, title, default_text});
  if (ask_runs_out_of_memory) throw std::bad_alloc();
  if (answers.empty()) {
    ADD_FAILURE() << "input box not scripted: " << prompt.toStdString();
    return {};
  }
  QString answer = answers.front();
  answers.pop_front();
  return answer;
}

bool ScriptedServices::ClearClipboard() {
  log.emplace_back("clear");
  if (!clear_succeeds) return false;
  clipboard.clear();
  return true;
}

bool ScriptedServices::SetClipboardText(const QString& text) {
  log.emplace_back("set");
  if (!set_succeeds) return false;
  clipboard = text;
  return true;
}

void ScriptedServices::OpenAddress(const QString& address) {
  log.emplace_back("open");
  addresses.push_back(address);
  if (on_open) on_open();
}

void ScriptedServices::ProcessPendingEvents() {
  log.emplace_back("pending");
  if (on_pending) on_pending();
}

void ScriptedServices::SetAlwaysOnTop(QWidget& window, bool on_top) {
  log.emplace_back("on-top");
  EXPECT_TRUE(on_top);
  ++on_top_requests;
  on_top_window = &window;
}

}  // namespace worthmere::testing
