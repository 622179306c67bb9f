#pragma once

#include <QRect>

class QWidget;

namespace worthmere::testing {

// Where a label, text box or button draws its text, in the control's own coordinates: inside its
// frame or bevel and the toolkit's margins.
QRect TextArea(const QWidget* control);

}  // namespace worthmere::testing
