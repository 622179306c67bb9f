#include "app/layout_fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace worthmere {

namespace {

// Design family -> installed family, filled once by ResolveDesignFamilies().
QHash<QString, QString>& ResolvedFamilies() {
  static QHash<QString, QString> resolved;
  return resolved;
}

QFont MakeFont(const char* family, qreal points, bool bold) {
  const QString design = QString::fromLatin1(family);
  QFont font{ResolvedFamilies().value(design, design)};
  font.setPointSizeF(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setStyleHint(QFont::SansSerif);
  // Glyphs straight from the outlines: at these sizes they look all but the same as auto-hinted
  // ones, and rasterizing the window's 340 glyphs for its first paint takes a quarter of the time.
  font.setHintingPreference(QFont::PreferNoHinting);
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

// One listing of the installed families instead of hasFamily(), which runs fontconfig's alias
// substitution for every name; and the installed face asked for by its own name, so the toolkit
// works out one fallback list for it instead of one per missing design family.
void ResolveDesignFamilies() {
  const QStringList families = QFontDatabase::families();
  QString installed;
  for (const QString& family : kSubstitutes) {
    if (families.contains(family, Qt::CaseInsensitive)) {
      installed = family;
      break;
    }
  }
  if (installed.isEmpty()) return;
  for (const char* design : {"Tahoma", "Arial", "System"}) {
    const QString family = QString::fromLatin1(design);
    if (!families.contains(family, Qt::CaseInsensitive))
      ResolvedFamilies().insert(family, installed);
  }
}

}  // namespace worthmere
