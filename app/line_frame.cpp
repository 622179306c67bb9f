#include "app/line_frame.h"

#include <QPainter>

namespace worthmere {

void LineFrame::paintEvent(QPaintEvent* event) {
  if (frameShape() != QFrame::VLine && frameShape() != QFrame::Box) {
    QFrame::paintEvent(event);
    return;
  }
  QPainter painter(this);
  const QColor colour = palette().color(foregroundRole());
  const int line = lineWidth();
  const QRect r = rect();
  switch (frameShape()) {
    case QFrame::VLine:
      painter.fillRect(QRect((r.width() - line) / 2, 0, line, r.height()), colour);
      break;
    default:  // QFrame::Box
      painter.fillRect(QRect(0, 0, r.width(), line), colour);
      painter.fillRect(QRect(0, r.height() - line, r.width(), line), colour);
      painter.fillRect(QRect(0, 0, line, r.height()), colour);
      painter.fillRect(QRect(r.width() - line, 0, line, r.height()), colour);
      break;
  }
}

}  // namespace worthmere
