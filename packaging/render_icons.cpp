// Writes the program's icon into a hicolor theme tree from the window's own 16 x 16 pixel map, so
// the desktop shows exactly the design the window carries: the map itself, whole-number
// enlargements of it, and a scalable drawing with one square per pixel. The same PNG files also
// go into a Windows and a macOS icon file beside the tree.
//   render_icons OUTPUT_DIR SIZE...  writes
//   OUTPUT_DIR/hicolor/{SIZExSIZE...,scalable}/apps/worthmere.*
//   OUTPUT_DIR/worthmere.ico and OUTPUT_DIR/worthmere.icns
#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTextStream>
#include <cstdio>
#include <vector>

#include "app/calculator_icon.h"
#include "packaging/icon_containers.h"

namespace {

QString AppsFolder(const QString& root, const QString& size) {
  const QString folder = root + QStringLiteral("/hicolor/") + size + QStringLiteral("/apps");
  QDir().mkpath(folder);
  return folder;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         file.write(bytes) == bytes.size() && file.flush();
}

// The PNG file of one size, or nothing when it cannot be encoded.
QByteArray EncodePng(const QImage& map, int size) {
  // Nearest-neighbour only: every pixel of the map becomes a sharp square block.
  const QImage image = map.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

bool WritePng(const QByteArray& png, int size, const QString& root) {
  const QString name = QString::number(size) + QLatin1Char('x') + QString::number(size);
  return !png.isEmpty() &&
         WriteFile(AppsFolder(root, name) + QStringLiteral("/worthmere.png"), png);
}

// One rectangle per horizontal run of equal colour; transparent pixels draw nothing.
bool WriteSvg(const QImage& map, const QString& root) {
  QFile file(AppsFolder(root, QStringLiteral("scalable")) + QStringLiteral("/worthmere.svg"));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QTextStream out(&file);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << map.width() << "\" height=\""
      << map.height() << "\" viewBox=\"0 0 " << map.width() << ' ' << map.height()
      << "\" shape-rendering=\"crispEdges\">\n";
  for (int y = 0; y < map.height(); ++y) {
    for (int x = 0; x < map.width();) {
      const QColor colour = map.pixelColor(x, y);
      int end = x + 1;
      while (end < map.width() && map.pixelColor(end, y) == colour) ++end;
      if (colour.alpha() != 0) {
        out << "  <rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << end - x
            << "\" height=\"1\" fill=\"" << colour.name(QColor::HexRgb) << "\"/>\n";
      }
      x = end;
    }
  }
  out << "</svg>\n";
  return out.status() == QTextStream::Ok && file.flush();
}

// The pixel sizes as given, or none when one of them is not a positive whole number.
std::vector<int> ReadSizes(int count, char** texts) {
  std::vector<int> sizes;
  for (int i = 0; i < count; ++i) {
    bool number = false;
    const int size = QString::fromLocal8Bit(texts[i]).toInt(&number);
    if (!number || size <= 0) return {};
    sizes.push_back(size);
  }
  return sizes;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<int> sizes = argc > 2 ? ReadSizes(argc - 2, argv + 2) : std::vector<int>{};
  if (sizes.empty()) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR SIZE...\n", argv[0]);
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  const QImage map = worthmere::CalculatorIconImage();
  bool written = WriteSvg(map, root);
  PngIcons pngs;
  for (int size : sizes) {
    pngs[size] = EncodePng(map, size);
    written = WritePng(pngs[size], size, root) && written;
  }
  written = WriteFile(root + QStringLiteral("/worthmere.ico"), IcoFile(pngs)) && written;
  written = WriteFile(root + QStringLiteral("/worthmere.icns"), IcnsFile(pngs)) && written;
  if (!written) std::fprintf(stderr, "%s: could not write the icons under %s\n", argv[0], argv[1]);
  return written ? 0 : 1;
}
