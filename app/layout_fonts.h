#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace worthmere {

// The faces the layout was designed with.
enum class DesignFace {
  Tahoma,        // Tahoma 8.25 pt: the panel and the estimator's controls
  TahomaBold,    // Tahoma 8.25 pt bold: the estimate button and the value box
  TahomaCredit,  // Tahoma 9 pt: the credit
  ArialDisplay,  // Arial 12 pt bold: the calculator display
  SystemKeypad,  // System 9.75 pt bold: the window itself, the keypad and the working boxes
};

// Sized in pixels, as the design's points give them at 96 dpi: the layout is in 96-dpi pixels on
// every system, also where the toolkit takes a point for a pixel (macOS).
QFont DesignFont(DesignFace face);

// The family each design family is set in, given the installed smoothly scalable families: the
// design family itself where it is installed, otherwise the first installed of a list of narrow
// sans faces whose widths keep every text of the layout inside its control; the design name where
// none is installed, which leaves the choice to the toolkit.
struct DesignFamilies {
  QString tahoma;
  QString arial;
  QString system;
};
DesignFamilies PickDesignFamilies(const QStringList& scalable_families);

// Picks the design families from the installed fonts. Call once before the window is built.
void ResolveDesignFamilies();

}  // namespace worthmere
