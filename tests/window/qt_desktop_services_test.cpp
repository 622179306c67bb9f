#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "platform/qt_desktop_services.h"
#include "window/modal_watchdog.h"

namespace worthmere {
namespace {

// Acts on the next modal box as a user would. A box that the action leaves open is closed after a
// while and fails the test, so a wrong action cannot block the run.
class NextBox {
 public:
  explicit NextBox(std::function<void(QWidget*)> act) : act_(std::move(act)) {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start();
  }
  bool acted() const { return acted_; }

 private:
  void Tick() {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr) return;
    if (!acted_) {
      acted_ = true;
      act_(box);
      return;
    }
    if (++ticks_after_ < 100) return;
    ADD_FAILURE() << "box left open: " << box->windowTitle().toStdString();
    if (auto* dialog = qobject_cast<QDialog*>(box)) dialog->reject();
  }

  std::function<void(QWidget*)> act_;
  QTimer timer_;
  bool acted_ = false;
  int ticks_after_ = 0;
};

class QtServicesTest : public ::testing::Test {
 protected:
  QWidget main_window;
  QtDesktopServices services{&main_window};
};

TEST_F(QtServicesTest, MessageWithoutTitleShowsTheApplicationTitleAndPlainLines) {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::Critical;
  Qt::TextFormat format = Qt::RichText;
  QWidget* parent = nullptr;
  NextBox next([&](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    format = box->textFormat();
    parent = box->parentWidget();
    box->button(QMessageBox::Ok)->click();
  });
  services.ShowMessage(QStringLiteral("Step#3 Able & <b>Trustworthy</b>\r\nsecond line"),
                       MessageStyle::OkOnly, std::nullopt);
  ASSERT_TRUE(next.acted());
  EXPECT_EQ(title.toStdString(), "Worthmere");
  EXPECT_EQ(text.toStdString(), "Step#3 Able & <b>Trustworthy</b>\nsecond line");
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(format, Qt::PlainText);
  EXPECT_EQ(parent, &main_window);
}

TEST_F(QtServicesTest, WarningMessageShowsItsOwnTitleAndIcon) {
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  NextBox next([&](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    icon = box->icon();
    box->close();
  });
  services.ShowMessage(QStringLiteral("Can't divide by zero"), MessageStyle::OkExclamation,
                       QStringLiteral("Calculator"));
  ASSERT_TRUE(next.acted());
  EXPECT_EQ(title.toStdString(), "Calculator");
  EXPECT_EQ(icon, QMessageBox::Warning);
}

struct AnswerRow {
  const char* behaviour;
  std::function<void(QInputDialog*)> answer;
  const char* returned;
};

void Type(QInputDialog* box, const char* text) {
  QLineEdit* entry = box->findChild<QLineEdit*>();
  entry->selectAll();
  QTest::keyClicks(entry, QString::fromLatin1(text));
}

QPushButton* Button(QInputDialog* box, QDialogButtonBox::StandardButton which) {
  return box->findChild<QDialogButtonBox*>()->button(which);
}

TEST_F(QtServicesTest, InputBoxReturnsTheEntryOnlyWhenConfirmed) {
  const AnswerRow rows[] = {
      {"OK returns the typed text",
       [](QInputDialog* box) {
         Type(box, "abc");
         Button(box, QDialogButtonBox::Ok)->click();
       },
       "abc"},
      {"Enter returns the typed text",
       [](QInputDialog* box) {
         Type(box, "brk b");
         QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_Return);
       },
       "brk b"},
      {"OK on the default returns the default",
       [](QInputDialog* box) { Button(box, QDialogButtonBox::Ok)->click(); }, "KO"},
      {"Cancel returns the empty text",
       [](QInputDialog* box) {
         Type(box, "abc");
         Button(box, QDialogButtonBox::Cancel)->click();
       },
       ""},
      {"Escape returns the empty text",
       [](QInputDialog* box) { QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_Escape); },
       ""},
      {"the close box returns the empty text", [](QInputDialog* box) { box->close(); }, ""},
  };
  for (const AnswerRow& row : rows) {
    QString title, prompt, shown;
    QWidget* parent = nullptr;
    NextBox next([&](QWidget* widget) {
      auto* box = qobject_cast<QInputDialog*>(widget);
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      prompt = box->labelText();
      shown = box->textValue();
      parent = box->parentWidget();
      row.answer(box);
    });
    const QString returned =
        services.AskText(QStringLiteral("enter"), QStringLiteral("data"), QStringLiteral("KO"));
    ASSERT_TRUE(next.acted()) << row.behaviour;
    EXPECT_EQ(returned.toStdString(), row.returned) << row.behaviour;
    EXPECT_EQ(title.toStdString(), "data") << row.behaviour;
    EXPECT_EQ(prompt.toStdString(), "enter") << row.behaviour;
    EXPECT_EQ(shown.toStdString(), "KO") << row.behaviour;
    EXPECT_EQ(parent, &main_window) << row.behaviour;
  }
}

TEST_F(QtServicesTest, ClipboardChangesAreVerified) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(QStringLiteral("held before"));
  EXPECT_TRUE(services.ClearClipboard());
  EXPECT_TRUE(clipboard->text().isEmpty());
  const QString report = QStringLiteral("line one \r\n\r\nline & two");
  EXPECT_TRUE(services.SetClipboardText(report));
  EXPECT_EQ(clipboard->text(), report);
}

TEST_F(QtServicesTest, StaysOnTopHintRecordedBeforeTheFirstShow) {
  services.SetAlwaysOnTop(main_window, true);
  EXPECT_TRUE(main_window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(main_window.isVisible());
}

TEST_F(QtServicesTest, StaysOnTopOnAShownWindowKeepsItInPlace) {
  QWidget other;
  main_window.setGeometry(172, 99, 571, 338);
  main_window.show();
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  const QRect before = main_window.geometry();

  services.SetAlwaysOnTop(main_window, true);
  QTest::qWait(50);

  EXPECT_TRUE(main_window.isVisible());
  EXPECT_EQ(main_window.geometry(), before);
  EXPECT_TRUE(main_window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(main_window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(QApplication::activeWindow(), &other);
}

TEST(ModalWatchdogTest, FailsAndClosesABoxNobodyScripted) {
  EXPECT_NONFATAL_FAILURE(
      {
        const testing::ModalWatchdog watchdog;
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Surprise"), QStringLiteral("?"));
        box.exec();
      },
      "unexpected modal box: Surprise");
}

}  // namespace
}  // namespace worthmere
