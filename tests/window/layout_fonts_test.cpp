#include <gtest/gtest.h>

#include <QStringList>
#include <string>

#include "app/layout_fonts.h"
#include "window/window_fixture.h"

namespace worthmere::testing {
namespace {

struct FamiliesRow {
  const char* behaviour;
  QStringList installed;
  const char* tahoma;
  const char* arial;
  const char* system;
};

TEST(LayoutFonts, DesignFacesTakeTheInstalledFamilies) {
  const FamiliesRow rows[] = {
      {"Windows 10 and 11: Tahoma and Arial themselves, System in Tahoma",
       {"Tahoma", "Arial", "Segoe UI", "Microsoft Sans Serif"},
       "Tahoma",
       "Arial",
       "Tahoma"},
      {"macOS without Tahoma: Arial stands in",
       {"Arial", "Helvetica", "Helvetica Neue", "Lucida Grande"},
       "Arial",
       "Arial",
       "Arial"},
      {"Debian: Liberation Sans for all three",
       {"DejaVu Sans", "DejaVu Sans Condensed", "DejaVu Sans Mono", "DejaVu Serif",
        "Liberation Mono", "Liberation Sans", "Liberation Sans Narrow", "Liberation Serif"},
       "Liberation Sans",
       "Liberation Sans",
       "Liberation Sans"},
      {"Debian without Liberation: the condensed DejaVu, not the wide one",
       {"DejaVu Sans", "DejaVu Sans Condensed", "DejaVu Serif"},
       "DejaVu Sans Condensed",
       "DejaVu Sans Condensed",
       "DejaVu Sans Condensed"},
      {"names match in any case", {"tahoma", "ARIAL"}, "Tahoma", "Arial", "Tahoma"},
      {"no face known: the toolkit's choice for the design names",
       {"Noto Sans"},
       "Tahoma",
       "Arial",
       "System"},
  };
  for (const FamiliesRow& row : rows) {
    const DesignFamilies picked = PickDesignFamilies(row.installed);
    EXPECT_EQ(picked.tahoma.toStdString(), row.tahoma) << row.behaviour;
    EXPECT_EQ(picked.arial.toStdString(), row.arial) << row.behaviour;
    EXPECT_EQ(picked.system.toStdString(), row.system) << row.behaviour;
  }
}

using WindowFonts = WindowTest;

// In pixels, not points: the toolkit on macOS would draw a point as one pixel, at 3/4 the size.
TEST_F(WindowFonts, EveryFontSizedInPixels) {
  EXPECT_GT(window.font().pixelSize(), 0);
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    EXPECT_GT(control->font().pixelSize(), 0) << control->objectName().toStdString();
  }
}

}  // namespace
}  // namespace worthmere::testing
