#pragma once

#include <QPalette>

namespace worthmere {

// The light palette the window always paints with, whatever the desktop's palette: the colours the
// layout fixes (the navy display, the light-grey boxes, the red and dark-grey labels) were chosen
// against it and stay readable only on it. It is the toolkit's own light default, so on a desktop
// without a theme of its own the window looks as it always did.
QPalette DesignPalette();

}  // namespace worthmere
