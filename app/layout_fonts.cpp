#include "app/layout_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace worthmere {

namespace {

QFont MakeFont(const char* family, qreal points, bool bold) {
  QFont font{QString::fromLatin1(family)};
  font.setPointSizeF(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

// Narrow sans faces first: fontconfig's own pick for these names (DejaVu Sans here) is too wide
// for "Number of Shares Outstanding" and "$4,141,000,000" in their boxes.
const QStringList kSubstitutes = {
    QStringLiteral("Liberation Sans"),
    QStringLiteral("Arimo"),
    QStringLiteral("DejaVu Sans Condensed"),
};

}  // namespace

QFont DesignFont(DesignFace face) {
  switch (face) {
    case DesignFace::Tahoma:
      return MakeFont("Tahoma", 8.25, false);
    case DesignFace::TahomaBold:
      return MakeFont("Tahoma", 8.25, true);
    case DesignFace::TahomaCredit:
      return MakeFont("Tahoma", 9.0, false);
    case DesignFace::ArialDisplay:
      return MakeFont("Arial", 12.0, true);
    case DesignFace::SystemKeypad:
      return MakeFont("System", 9.75, true);
  }
  return MakeFont("Tahoma", 8.25, false);
}

void ResolveDesignFamilies() {
  QStringList installed;
  for (const QString& family : kSubstitutes) {
    if (QFontDatabase::hasFamily(family)) installed << family;
  }
  for (const char* design : {"Tahoma", "Arial", "System"}) {
    const QString family = QString::fromLatin1(design);
    if (!QFontDatabase::hasFamily(family)) QFont::insertSubstitutions(family, installed);
  }
}

}  // namespace worthmere
