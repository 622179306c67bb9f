#pragma once

#include <QFont>

namespace worthmere {

// The faces the layout was designed with.
enum class DesignFace {
  Tahoma,        // Tahoma 8.25 pt: the panel and the estimator's controls
  TahomaBold,    // Tahoma 8.25 pt bold: the estimate button and the value box
  TahomaCredit,  // Tahoma 9 pt: the credit
  ArialDisplay,  // Arial 12 pt bold: the calculator display
  SystemKeypad,  // System 9.75 pt bold: the window itself, the keypad and the working boxes
};

QFont DesignFont(DesignFace face);

// Where a design family is missing, substitutes the nearest installed face whose widths keep
// every text of the layout inside its control. Call once before the window is built.
void ResolveDesignFamilies();

}  // namespace worthmere
