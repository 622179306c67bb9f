#include "window/text_area.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

namespace worthmere::testing {

QRect TextArea(const QWidget* control) {
  if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    return contents.adjusted(2, 0, -2, 0);  // the line edit's own horizontal margin
  }
  if (const auto* button = qobject_cast<const QPushButton*>(control)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
  }
  const auto* label = qobject_cast<const QLabel*>(control);
  const int indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance('x') / 2 : 0;
  return label->contentsRect().adjusted(0, 0, -indent, 0);
}

}  // namespace worthmere::testing
