#include "app/layout_fonts.h"

#include <array>
#include <cstring>
#include <iterator>

#include <QFontDatabase>
#include <QStringList>

namespace worthmere {

namespace {

constexpr const char* kDesignFamilies[] = {"Tahoma", "Arial", "System"};

// The installed family standing in for each design family, in the order above; empty where the
// design family is installed. Filled once by ResolveDesignFamilies().
std::array<QString, std::size(kDesignFamilies)>& Substitutes() {
  static std::array<QString, std::size(kDesignFamilies)> substitutes;
  return substitutes;
}

QString InstalledFamily(const char* design) {
  for (std::size_t i = 0; i < std::size(kDesignFamilies); ++i) {
    if (std::strcmp(kDesignFamilies[i], design) == 0 && !Substitutes()[i].isEmpty()) {
      return Substitutes()[i];
    }
  }
  return QString::fromLatin1(design);
}

QFont MakeFont(const char* family, qreal points, bool bold) {
  QFont font{InstalledFamily(family)};
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
  for (std::size_t i = 0; i < std::size(kDesignFamilies); ++i) {
    if (!families.contains(QString::fromLatin1(kDesignFamilies[i]), Qt::CaseInsensitive)) {
      Substitutes()[i] = installed;
    }
  }
}

}  // namespace worthmere
