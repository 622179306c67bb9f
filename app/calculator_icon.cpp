#include "app/calculator_icon.h"

#include <QColor>
#include <array>

namespace worthmere {

namespace {

// One character a pixel: k black, g dark grey, l light grey, w white, . transparent.
constexpr std::array<const char*, 16> kPixels = {
    "kkkkkkkkkkkkkkk.",  //
    "klllllllllllllk.",  //
    "klggggggggggglk.",  //
    "klgwwwwwwwwwglk.",  //
    "klgwwwwwwwwwglk.",  //
    "klggggggggggglk.",  //
    "klllllllllllllk.",  //
    "klllllllllllllk.",  //
    "klgglgglgglgglk.",  //
    "klgglgglgglgglk.",  //
    "klllllllllllllk.",  //
    "klgglgglgglgglk.",  //
    "klgglgglgglgglk.",  //
    "klllllllllllllk.",  //
    "klllllllllllllk.",  //
    "kkkkkkkkkkkkkkk.",  //
};

QColor PaletteColour(char pixel) {
  switch (pixel) {
    case 'k':
      return QColor(0x00, 0x00, 0x00);
    case 'g':
      return QColor(0x80, 0x80, 0x80);
    case 'l':
      return QColor(0xC0, 0xC0, 0xC0);
    case 'w':
      return QColor(0xFF, 0xFF, 0xFF);
    default:
      return QColor(Qt::transparent);
  }
}

}  // namespace

QImage CalculatorIconImage() {
  QImage image(16, 16, QImage::Format_ARGB32);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) image.setPixelColor(x, y, PaletteColour(kPixels[y][x]));
  }
  return image;
}

}  // namespace worthmere
