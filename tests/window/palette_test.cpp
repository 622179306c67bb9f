// Every text of the window must stay readable whatever palette the desktop hands the program:
// measured on the painted pixels, as a user sees them.

#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <cmath>
#include <map>

#include "window/text_area.h"
#include "window/window_fixture.h"

namespace worthmere::testing {
namespace {

// What Qt's GTK theme gives for a dark GNOME style on Debian 12; the panel takes its colours while
// it is built, so the palette is in place before the window and put back after it.
class DarkDesktop {
 public:
  DarkDesktop() : previous_(QApplication::palette()) {
    QPalette dark = previous_;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button}) {
      dark.setColor(role, QColor(0x32, 0x32, 0x32));
    }
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
      dark.setColor(role, QColor(0xF0, 0xF0, 0xF0));
    }
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    QApplication::setPalette(dark);
  }
  ~DarkDesktop() { QApplication::setPalette(previous_); }
  DarkDesktop(const DarkDesktop&) = delete;
  DarkDesktop& operator=(const DarkDesktop&) = delete;

 private:
  QPalette previous_;
};

// Base classes are built in order: the dark palette first, then the window on it.
class DarkPaletteTest : private DarkDesktop, public WindowTest {};
using LightPaletteTest = WindowTest;

// Relative luminance and contrast ratio as the web accessibility guidelines define them.
double Luminance(QRgb pixel) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) +
         0.0722 * linear(qBlue(pixel));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Background: the most frequent colour in the text area; text: the pixel that stands out most.
double TextContrast(const QImage& pixels, const QRect& area) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) ++counts[pixels.pixel(x, y)];
  }
  QRgb background = 0;
  int most = 0;
  for (const auto& [colour, count] : counts) {
    if (count > most) std::tie(background, most) = std::tie(colour, count);
  }
  double best = 1.0;
  for (const auto& entry : counts) best = std::max(best, Contrast(entry.first, background));
  return best;
}

// The labels, the five visible boxes and the captioned buttons; the working boxes lie beyond the
// window's edge and the two look-up buttons have no caption.
std::vector<QWidget*> Captioned(QWidget& window) {
  std::vector<QWidget*> controls;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    const auto* box = qobject_cast<QLineEdit*>(control);
    const auto* button = qobject_cast<QPushButton*>(control);
    if (qobject_cast<QLabel*>(control) || (box && control->parentWidget() != &window) ||
        (button && !button->text().isEmpty())) {
      controls.push_back(control);
    }
  }
  return controls;
}

void ExpectEveryTextReadable(QWidget& window) {
  const QImage pixels = window.grab().toImage();
  const qreal scale = pixels.devicePixelRatio();
  const std::vector<QWidget*> controls = Captioned(window);
  ASSERT_EQ(controls.size(), 8u + 5u + 22u);  // labels, boxes, buttons
  for (const QWidget* control : controls) {
    const QRect area = TextArea(control).translated(control->mapTo(&window, QPoint(0, 0)));
    const QRect device(area.topLeft() * scale, area.size() * scale);
    const double contrast = TextContrast(pixels, device);
    EXPECT_GE(contrast, 3.0) << control->objectName().toStdString();
  }
}

TEST_F(LightPaletteTest, EveryTextReadable) { ExpectEveryTextReadable(window); }

TEST_F(DarkPaletteTest, EveryTextReadable) { ExpectEveryTextReadable(window); }

// Selected text in a box, drawn in the highlight colours: they must stand apart as well. Measured
// within the highlight alone, since the box's own base beside it would always stand out.
void ExpectSelectedTextReadable(QWidget& window) {
  auto* box = window.findChild<QLineEdit*>(QStringLiteral("txtPresVal"));
  ASSERT_NE(box, nullptr);
  box->selectAll();
  const QImage pixels = window.grab().toImage();
  const qreal scale = pixels.devicePixelRatio();
  const QRect area = TextArea(box).translated(box->mapTo(&window, QPoint(0, 0)));
  const QRect device(area.topLeft() * scale, area.size() * scale);
  const QRgb highlight = box->palette().color(QPalette::Highlight).rgba();
  QRect selection;
  for (int y = device.top(); y <= device.bottom(); ++y) {
    for (int x = device.left(); x <= device.right(); ++x) {
      if (pixels.pixel(x, y) == highlight) selection |= QRect(x, y, 1, 1);
    }
  }
  ASSERT_FALSE(selection.isEmpty()) << "no highlight drawn";
  EXPECT_GE(TextContrast(pixels, selection), 3.0);
}

TEST_F(LightPaletteTest, SelectedTextReadable) { ExpectSelectedTextReadable(window); }

TEST_F(DarkPaletteTest, SelectedTextReadable) { ExpectSelectedTextReadable(window); }

}  // namespace
}  // namespace worthmere::testing
