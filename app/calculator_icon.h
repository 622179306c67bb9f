#pragma once

#include <QImage>

namespace worthmere {

// The window's 16 x 16 icon in the 16-colour palette: a light-grey calculator with a white display
// at the top and two rows of four small keys below it; outside the body is transparent.
QImage CalculatorIconImage();

}  // namespace worthmere
