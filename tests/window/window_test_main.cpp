#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "app/layout_fonts.h"
#include "support/comma_locale.h"
#include "support/filter_check.h"
#include "window/handler_reports.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  worthmere::testing::CountHandlerReports();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  worthmere::ResolveDesignFamilies();
  // A scaled run whose factor never reached the toolkit would test scale 1 and pass.
  if (const QString scale = qEnvironmentVariable("WORTHMERE_TEST_SCALE");
      !scale.isEmpty() && application.devicePixelRatio() != scale.toDouble()) {
    std::fprintf(stderr, "the run asked for scale %s, the toolkit draws at %g\n", qPrintable(scale),
                 application.devicePixelRatio());
    return 1;
  }
  // After QApplication, which sets the locale from the environment.
  if (!worthmere::testing::PinCommaLocale()) {
    std::fputs(worthmere::testing::kCommaLocaleMissing, stderr);
    return 1;
  }
  const int result = RUN_ALL_TESTS();
  return worthmere::testing::EveryFilteredNameRan() ? result : 1;
}
