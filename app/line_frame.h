#pragma once

#include <QFrame>

namespace worthmere {

// A plain vertical line or rectangle outline of the frame's line width in its foreground colour;
// any other shape is drawn by QFrame as usual.
// QFrame strokes these with a pen, and at fractional scale factors (1.25, 1.75) a one-pixel stroke
// can fall between device pixels and vanish; each line filled as a rectangle of its own always
// covers the device pixels whose centres it spans, at least one row of them.
class LineFrame : public QFrame {
 public:
  using QFrame::QFrame;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace worthmere
