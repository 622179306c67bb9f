#include <QAccessible>
#include <QFontMetrics>
#include <QImage>
#include <QtMath>
#include <climits>
#include <set>
#include <vector>

#include "app/calculator_icon.h"
#include "app/line_frame.h"
#include "platform/qt_desktop_services.h"
#include "reference/worked_example.h"
#include "window/text_area.h"
#include "window/window_fixture.h"

namespace worthmere::testing {
namespace {

using LayoutTest = WindowTest;

QString TextOf(const QWidget* control) {
  if (const auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  return control->windowTitle();
}

struct StartText {
  const char* control;
  const char* text;
};

TEST_F(LayoutTest, StartUpTexts) {
  const StartText rows[] = {
      {"Calculator", "Worthmere and Calculator"},
      {"Label3", "DCF style is (10-yr growth + 5-yr flat ) "},
      {"Label6", "FCF Growth Rate ( est./yr )"},
      {"txtIntr", worked_example::kGrowth},
      {"Label4", "discount rate "},
      {"txtdiscount", worked_example::kDiscount},
      {"Label11", "Free Cash Flow ( avg. annual )"},
      {"txtPresVal", worked_example::kFreeCashFlow},
      {"Command3", ""},
      {"Label12", "Number of Shares Outstanding"},
      {"txtshares", worked_example::kShares},
      {"Command4", ""},
      {"Command2", "Help / reset"},
      {"Command9", "Clear"},
      {"Command1", "Estimate Intrinsic Value per share"},
      {"Label2", "Intrinsic Value  per share est."},
      {"IV", "0.0"},
      {"Readout", "0."},
      {"Number_0", "0"},
      {"Number_1", "1"},
      {"Number_2", "2"},
      {"Number_3", "3"},
      {"Number_4", "4"},
      {"Number_5", "5"},
      {"Number_6", "6"},
      {"Number_7", "7"},
      {"Number_8", "8"},
      {"Number_9", "9"},
      {"Operator_0", "/"},
      {"Operator_1", "+"},
      {"Operator_2", "X"},
      {"Operator_3", "-"},
      {"Operator_4", "="},
      {"Decimal", "."},
      {"Percent", "%"},
      {"Cancel", "C"},
      {"CancelEntry", "CE"},
  };
  for (const StartText& row : rows) {
    const QWidget* control =
        row.control == QStringLiteral("Calculator") ? &window : Find(row.control);
    ASSERT_NE(control, nullptr) << row.control;
    EXPECT_EQ(TextOf(control).toStdString(), row.text) << row.control;
  }
  for (int box = 1; box <= 15; ++box) {
    EXPECT_EQ(Text(QStringLiteral("Text%1").arg(box)).toStdString(), "Text1") << box;
  }
  const QString credit = Find<QLabel>("Label1")->text();
  EXPECT_TRUE(credit.contains(QStringLiteral("Worthmere developers"))) << credit.toStdString();
  EXPECT_TRUE(Find<QLabel>("Label1")->wordWrap());
}

struct Placement {
  const char* control;
  const char* parent;
  QRect pixels;
};

TEST_F(LayoutTest, EveryControlAtItsDesignPlace) {
  const Placement rows[] = {
      {"picStart", "Calculator", {-2, 0, 589, 385}},
      {"Shape1", "picStart", {2, 2, 569, 335}},
      {"Line1", "picStart", {328, 2, 1, 353}},
      {"Label3", "picStart", {58, 18, 215, 17}},
      {"Label6", "picStart", {30, 46, 153, 17}},
      {"txtIntr", "picStart", {192, 42, 45, 21}},
      {"Label4", "picStart", {30, 70, 153, 17}},
      {"txtdiscount", "picStart", {192, 66, 45, 21}},
      {"Label11", "picStart", {14, 104, 169, 17}},
      {"txtPresVal", "picStart", {190, 100, 87, 21}},
      {"Command3", "picStart", {280, 100, 19, 19}},
      {"Label12", "picStart", {12, 132, 169, 17}},
      {"txtshares", "picStart", {190, 130, 87, 21}},
      {"Command4", "picStart", {280, 130, 19, 19}},
      {"Command2", "picStart", {32, 158, 149, 35}},
      {"Command9", "picStart", {190, 158, 109, 35}},
      {"Command1", "picStart", {32, 202, 267, 49}},
      {"Label2", "picStart", {20, 272, 163, 15}},
      {"IV", "picStart", {192, 268, 83, 21}},
      {"Readout", "picStart", {350, 38, 198, 23}},
      {"Number_7", "picStart", {350, 69, 32, 32}},
      {"Number_8", "picStart", {390, 69, 32, 32}},
      {"Number_9", "picStart", {430, 69, 32, 32}},
      {"Cancel", "picStart", {476, 69, 32, 32}},
      {"CancelEntry", "picStart", {516, 69, 32, 32}},
      {"Number_4", "picStart", {350, 109, 32, 32}},
      {"Number_5", "picStart", {390, 109, 32, 32}},
      {"Number_6", "picStart", {430, 109, 32, 32}},
      {"Operator_1", "picStart", {476, 109, 32, 32}},
      {"Operator_3", "picStart", {516, 109, 32, 32}},
      {"Number_1", "picStart", {350, 149, 32, 32}},
      {"Number_2", "picStart", {390, 149, 32, 32}},
      {"Number_3", "picStart", {430, 149, 32, 32}},
      {"Operator_2", "picStart", {476, 149, 32, 32}},
      {"Operator_0", "picStart", {516, 149, 32, 32}},
      {"Number_0", "picStart", {350, 189, 72, 32}},
      {"Decimal", "picStart", {430, 189, 32, 32}},
      {"Operator_4", "picStart", {476, 189, 32, 32}},
      {"Percent", "picStart", {516, 189, 32, 32}},
      {"Label1", "picStart", {344, 246, 215, 71}},
  };
  for (const Placement& row : rows) {
    const QWidget* control = Find(row.control);
    ASSERT_NE(control, nullptr) << row.control;
    EXPECT_EQ(control->parentWidget()->objectName().toStdString(), row.parent) << row.control;
    EXPECT_EQ(control->geometry(), row.pixels) << row.control;
  }
  for (int box = 1; box <= 15; ++box) {
    const QWidget* control = Find(QStringLiteral("Text%1").arg(box));
    EXPECT_EQ(control->parentWidget(), &window) << box;
    EXPECT_EQ(control->geometry(), QRect(604, 28 + 24 * (box - 1), 101, 24)) << box;
    EXPECT_TRUE(control->isVisible() && control->isEnabled()) << box;
    EXPECT_FALSE(window.rect().intersects(control->geometry())) << box;
  }
}

TEST_F(LayoutTest, FixedFrameWithoutMaximise) {
  // Sizes are device-independent: the same figures at any scale factor.
  const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
  EXPECT_EQ(window.devicePixelRatioF(), scale);
  EXPECT_EQ(window.size(), QSize(571, 338));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

// A straight line of the design, one pixel thick, in window coordinates: its first and its last
// pixel along its length.
struct DesignLine {
  QString name;
  QPoint from;
  QPoint to;
};

// True when some column (or row) of device pixels within the line's design pixel has the colour
// all along the line: on every device pixel whose centre lies strictly within its length.
bool DrawnWhole(const QImage& pixels, const DesignLine& line, QRgb colour) {
  const qreal scale = pixels.devicePixelRatio();
  const bool vertical = line.from.x() == line.to.x();
  const int across = vertical ? line.from.x() : line.from.y();
  const int start = vertical ? line.from.y() : line.from.x();
  const int end = (vertical ? line.to.y() : line.to.x()) + 1;
  const int first = qFloor(start * scale + 0.5);
  const int last = qCeil(end * scale - 0.5) - 1;
  for (int offset = qFloor(across * scale); offset < qCeil((across + 1) * scale); ++offset) {
    bool whole = true;
    for (int along = first; along <= last && whole; ++along) {
      whole = (vertical ? pixels.pixel(offset, along) : pixels.pixel(along, offset)) == colour;
    }
    if (whole) return true;
  }
  return false;
}

// The lines a LineFrame draws, in window coordinates and cut to the window: the panel sits 2 pixels
// left of the window's edge, and the divider runs on below the window's bottom edge.
std::vector<DesignLine> LinesOf(const LineFrame& frame, const QWidget& window) {
  const QRect r =
      QRect(frame.mapTo(&window, QPoint(0, 0)), frame.size()).intersected(window.rect());
  const QString name = frame.objectName();
  if (frame.frameShape() == QFrame::VLine) {
    const int x = frame.mapTo(&window, QPoint((frame.width() - frame.lineWidth()) / 2, 0)).x();
    return {{name, {x, r.top()}, {x, r.bottom()}}};
  }
  if (frame.frameShape() == QFrame::Box) {
    return {{name + " top", r.topLeft(), r.topRight()},
            {name + " bottom", r.bottomLeft(), r.bottomRight()},
            {name + " left", r.topLeft(), r.bottomLeft()},
            {name + " right", r.topRight(), r.bottomRight()}};
  }
  ADD_FAILURE() << name.toStdString() << " has a shape this test cannot check";
  return {};
}

// Every line a LineFrame draws, where a stroke between device pixels could vanish at a fractional
// scale factor.
TEST_F(LayoutTest, LinesDrawnWholeOnDevicePixels) {
  // LineFrame has no meta-object of its own, so findChildren<LineFrame*> would give every QFrame.
  std::vector<const LineFrame*> frames;
  for (const QFrame* frame : window.findChildren<QFrame*>()) {
    if (const auto* line_frame = dynamic_cast<const LineFrame*>(frame))
      frames.push_back(line_frame);
  }
  ASSERT_FALSE(frames.empty());
  const QImage pixels = window.grab().toImage();
  const QRgb colour = window.palette().color(QPalette::WindowText).rgba();
  for (const LineFrame* frame : frames) {
    for (const DesignLine& line : LinesOf(*frame, window)) {
      EXPECT_TRUE(DrawnWhole(pixels, line, colour))
          << line.name.toStdString() << " at scale " << pixels.devicePixelRatio();
    }
  }
}

const std::vector<std::string> kFocusOrder = {
    "Command9",   "IV",         "txtshares",  "txtPresVal",  "txtIntr",    "Number_7",
    "Number_8",   "Number_9",   "Cancel",     "CancelEntry", "Number_4",   "Number_5",
    "Number_6",   "Operator_1", "Operator_3", "Number_1",    "Number_2",   "Number_3",
    "Operator_2", "Operator_0", "Number_0",   "Decimal",     "Operator_4", "Percent",
    "Text1",      "Text2",      "Text3",      "Text4",       "Text5",      "Text6",
    "Text7",      "Text8",      "Text9",      "Text10",      "Command1",   "Text11",
    "Text12",     "Text13",     "Text14",     "Text15",      "Command2",   "txtdiscount",
    "Command3",   "Command4",   "Command9"};

// Tabs through the shown, active window from Command9 once round.
std::vector<std::string> TabRound(QWidget& window) {
  window.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  window.findChild<QWidget*>(QStringLiteral("Command9"))->setFocus(Qt::TabFocusReason);
  std::vector<std::string> visited = {QApplication::focusWidget()->objectName().toStdString()};
  for (std::size_t i = 1; i < kFocusOrder.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget()->objectName().toStdString());
  }
  return visited;
}

TEST_F(LayoutTest, FirstInTheOrderHasTheFocusAtStart) {
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Command9"));
}

TEST_F(LayoutTest, TabFollowsTheDesignOrder) {
  EXPECT_EQ(TabRound(window), kFocusOrder);
  EXPECT_EQ(Find("picStart")->focusPolicy(), Qt::NoFocus);
}

// The real placement sets the stays-on-top hint while the window is built, before it is shown.
TEST(WindowOnRealServices, StaysOnTopFromTheStartWithLayoutAndOrderIntact) {
  QtDesktopServices services;
  CalculatorWindow window(services);
  services.SetMainWindow(&window);
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(window.isVisible());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(window.size(), QSize(571, 338));
  EXPECT_EQ(TabRound(window), kFocusOrder);
}

struct AccessibleName {
  const char* control;
  const char* name;
};

TEST_F(LayoutTest, BoxesAndButtonsSayWhatTheyAre) {
  const AccessibleName rows[] = {
      {"txtIntr", "FCF Growth Rate ( est./yr )"},
      {"txtdiscount", "discount rate"},
      {"txtPresVal", "Free Cash Flow ( avg. annual )"},
      {"txtshares", "Number of Shares Outstanding"},
      {"IV", "Intrinsic Value per share est."},
      {"Command1", "Estimate Intrinsic Value per share"},
      {"Command2", "Help / reset"},
      {"Command9", "Clear"},
      {"Command3", "Open the cash-flow page"},
      {"Command4", "Open the ratios page"},
      {"Number_5", "5"},
      {"Operator_2", "X"},
      {"CancelEntry", "CE"},
      {"Text1", "Working box 1"},
      {"Text15", "Working box 15"},
      // Labels are named by their own text; Readout by what it shows.
      {"Label2", "Intrinsic Value  per share est."},
      {"Label4", "discount rate "},
      {"Readout", "0."},
  };
  for (const AccessibleName& row : rows) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Find(row.control));
    ASSERT_NE(accessible, nullptr) << row.control;
    EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), row.name) << row.control;
  }
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    EXPECT_TRUE(label->accessibleName().isEmpty()) << label->objectName().toStdString();
  }
  QAccessibleInterface* display = QAccessible::queryAccessibleInterface(Find("Readout"));
  EXPECT_EQ(display->text(QAccessible::Description).toStdString(), "Display");
}

// Where the platform lacks the design faces, the substitutes must still fit every text.
TEST_F(LayoutTest, EveryTextFitsItsControl) {
  std::vector<QWidget*> controls;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (qobject_cast<QLineEdit*>(control) || qobject_cast<QLabel*>(control) ||
        qobject_cast<QPushButton*>(control)) {
      controls.push_back(control);
    }
  }
  ASSERT_EQ(controls.size(), 8u + 20u + 24u);  // labels, text boxes, buttons
  // The widest figures the estimator's boxes show after Enter.
  Box("txtPresVal")->setText(QStringLiteral("$4,141,000,000"));
  for (const QWidget* control : controls) {
    const QFontMetrics metrics = control->fontMetrics();
    const QRect area = TextArea(control);
    const QString text = TextOf(control);
    const std::string name = control->objectName().toStdString();
    if (name == "Label1") {
      const QRect wrapped = metrics.boundingRect(area, Qt::TextWordWrap, text);
      EXPECT_LE(wrapped.height(), area.height()) << name;
      continue;
    }
    EXPECT_LE(metrics.horizontalAdvance(text), area.width())
        << name << " in " << QFontInfo(control->font()).family().toStdString();
    EXPECT_LE(metrics.height(), control->height()) << name;
  }
}

TEST_F(LayoutTest, NothingTemptingAdded) {
  for (const QPushButton* button : window.findChildren<QPushButton*>()) {
    const std::string name = button->objectName().toStdString();
    EXPECT_FALSE(button->autoDefault()) << name;
    EXPECT_FALSE(button->isDefault()) << name;
    EXPECT_TRUE(button->shortcut().isEmpty()) << name;
    EXPECT_EQ(button->focusPolicy(), Qt::StrongFocus) << name;
  }
  for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
    const std::string name = box->objectName().toStdString();
    EXPECT_EQ(box->validator(), nullptr) << name;
    EXPECT_FALSE(box->isReadOnly()) << name;
    EXPECT_TRUE(box->inputMask().isEmpty()) << name;
  }
}

TEST_F(LayoutTest, LongTextKeptWhole) {
  const QString long_text(40000, QLatin1Char('9'));
  for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
    box->setText(long_text);
    QTest::keyClick(box, Qt::Key_1);
    EXPECT_EQ(box->text().size(), long_text.size() + 1) << box->objectName().toStdString();
  }
}

TEST_F(LayoutTest, LoadRoutineRanOnceBeforeShowing) {
  EXPECT_EQ(services.on_top_requests, 1);
  EXPECT_EQ(services.on_top_window, &window);
  EXPECT_EQ(window.Engine().LastInput(), LastInputKind::None);
  EXPECT_EQ(window.Engine().PendingOperator(), " ");
}

TEST(CalculatorIcon, SixteenColoursInTheCalculatorShape) {
  const QImage icon = CalculatorIconImage();
  ASSERT_EQ(icon.size(), QSize(16, 16));
  const std::set<QRgb> palette16 = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000,
                                    0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
                                    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                                    0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const QRgb pixel = icon.pixel(x, y);
      if (qAlpha(pixel) == 0) continue;
      EXPECT_TRUE(palette16.contains(pixel)) << x << "," << y;
    }
  }
  EXPECT_EQ(icon.pixel(7, 3), 0xFFFFFFFFu);    // the display
  EXPECT_EQ(icon.pixel(2, 8), 0xFF808080u);    // a key of the first row
  EXPECT_EQ(icon.pixel(11, 12), 0xFF808080u);  // a key of the second row
  EXPECT_EQ(icon.pixel(7, 13), 0xFFC0C0C0u);   // the body
}

}  // namespace
}  // namespace worthmere::testing
