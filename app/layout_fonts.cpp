#include "app/layout_fonts.h"

#include <QFontDatabase>

#include "platform/twips.h"

namespace worthmere {

namespace {

// Narrow sans faces: fontconfig's own pick for the design names (DejaVu Sans on Debian) is too
// wide for "Number of Shares Outstanding" and "$4,141,000,000" in their boxes. The Linux faces
// come first, so a Linux desktop shows what it always did; then the faces Windows and macOS bring.
const QStringList kSubstitutes = {
    QStringLiteral("Liberation Sans"),
    QStringLiteral("Arimo"),
    QStringLiteral("DejaVu Sans Condensed"),
    QStringLiteral("Tahoma"),
    QStringLiteral("Arial"),
    QStringLiteral("Helvetica"),
};

const QString kTahoma = QStringLiteral("Tahoma");
const QString kArial = QStringLiteral("Arial");
const QString kSystem = QStringLiteral("System");

// Filled once by ResolveDesignFamilies(); the design names until then.
DesignFamilies& Resolved() {
  static DesignFamilies families{kTahoma, kArial, kSystem};
  return families;
}

QString Pick(const QString& design, const QStringList& installed) {
  if (installed.contains(design, Qt::CaseInsensitive)) return design;
  for (const QString& family : kSubstitutes) {
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  }
  return design;
}

// 20 twips to the point: every design size is a whole number of pixels at 96 dots per inch.
int PixelsAt96Dpi(qreal points) { return TwipsToPixels(points * 20, kDesignTwipsPerPixel); }

QFont MakeFont(const QString& family, qreal points, bool bold) {
  QFont font{family};
  font.setPixelSize(PixelsAt96Dpi(points));
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setStyleHint(QFont::SansSerif);
  // Glyphs straight from the outlines: at these sizes they look all but the same as auto-hinted
  // ones, and rasterizing the window's 340 glyphs for its first paint takes a quarter of the time.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace

QFont DesignFont(DesignFace face) {
  const DesignFamilies& families = Resolved();
  switch (face) {
    case DesignFace::Tahoma:
      return MakeFont(families.tahoma, 8.25, false);
    case DesignFace::TahomaBold:
      return MakeFont(families.tahoma, 8.25, true);
    case DesignFace::TahomaCredit:
      return MakeFont(families.tahoma, 9.0, false);
    case DesignFace::ArialDisplay:
      return MakeFont(families.arial, 12.0, true);
    case DesignFace::SystemKeypad:
      return MakeFont(families.system, 9.75, true);
  }
  return MakeFont(families.tahoma, 8.25, false);
}

DesignFamilies PickDesignFamilies(const QStringList& scalable_families) {
  return {Pick(kTahoma, scalable_families), Pick(kArial, scalable_families),
          Pick(kSystem, scalable_families)};
}

// One listing of the installed families instead of hasFamily(), which runs fontconfig's alias
// substitution for every name. Only the names a pick can return are asked whether they scale: a
// bitmap face such as Windows' own "System" is no design face. The installed face is then asked
// for by its own name, so the toolkit works out one fallback list for it, not one per design face.
void ResolveDesignFamilies() {
  QStringList candidates = kSubstitutes;
  candidates << kSystem;
  QStringList scalable;
  for (const QString& family : QFontDatabase::families()) {
    if (candidates.contains(family, Qt::CaseInsensitive) &&
        QFontDatabase::isSmoothlyScalable(family)) {
      scalable << family;
    }
  }
  Resolved() = PickDesignFamilies(scalable);
}

}  // namespace worthmere
