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
  // After QApplication, which sets the locale from the environment.
  if (!worthmere::testing::PinCommaLocale()) {
    std::fputs(worthmere::testing::kCommaLocaleMissing, stderr);
    return 1;
  }
  const int result = RUN_ALL_TESTS();
  return worthmere::testing::EveryFilteredNameRan() ? result : 1;
}
