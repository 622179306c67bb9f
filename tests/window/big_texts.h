#pragma once

#include <QString>
#include <string>

namespace worthmere::testing {

inline constexpr int kMegabyte = 1 << 20;

// The piece repeated as often as it fits a megabyte.
inline QString MegabyteOf(const char* piece) {
  const QString unit = QString::fromUtf8(piece);
  QString text;
  text.reserve(kMegabyte);
  while (text.size() + unit.size() <= kMegabyte) text += unit;
  return text;
}

inline QString MegabyteOfDigits() { return MegabyteOf("9876543210"); }
inline QString MegabyteOfLetters() { return MegabyteOf("abcdefghij"); }

// Leading zeros change nothing, however many: this still reads as the figure.
inline QString MegabyteEndingIn(const char* figure) {
  const QString tail = QString::fromUtf8(figure);
  return QString(kMegabyte - tail.size(), QLatin1Char('0')) + tail;
}

// A text short enough for a failure message.
inline std::string Shown(const QString& text) {
  if (text.size() <= 80) return text.toStdString();
  return text.left(40).toStdString() + "... (" + std::to_string(text.size()) + " characters)";
}

}  // namespace worthmere::testing
