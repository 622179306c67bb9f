// The floor of the start-up benchmark: a plain Qt Widgets window with the same kinds and number of
// widgets as Worthmere's (a panel, two frames, 8 labels, 20 line edits, 24 buttons) at the same
// size, with the toolkit's default fonts and nothing else: what any Qt 6 program pays to appear.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Qt Widgets floor"));
  window.setFixedSize(571, 338);

  auto* panel = new QWidget(&window);
  panel->setGeometry(-2, 0, 589, 385);
  auto* divider = new QFrame(panel);
  divider->setFrameShape(QFrame::VLine);
  divider->setGeometry(327, 2, 3, 352);
  auto* outline = new QFrame(panel);
  outline->setFrameShape(QFrame::Box);
  outline->setGeometry(2, 2, 569, 335);

  for (int i = 0; i < 8; ++i) {
    auto* label = new QLabel(QStringLiteral("Label %1").arg(i), panel);
    label->setGeometry(14, 18 + 30 * i, 169, 17);
  }
  for (int i = 0; i < 20; ++i) {
    auto* box = new QLineEdit(QStringLiteral("Text%1").arg(i), i < 5 ? panel : &window);
    box->setGeometry(i < 5 ? 190 : 604, 28 + 24 * i, 87, 21);
  }
  for (int i = 0; i < 24; ++i) {
    auto* button = new QPushButton(QString::number(i), panel);
    button->setGeometry(350 + 40 * (i % 5), 69 + 40 * (i / 5), 32, 32);
  }

  window.show();
  return application.exec();
}
