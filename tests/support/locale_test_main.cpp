#include <gtest/gtest.h>

#include <cstdio>

#include "support/comma_locale.h"
#include "support/filter_check.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (!worthmere::testing::PinCommaLocale()) {
    std::fputs(worthmere::testing::kCommaLocaleMissing, stderr);
    return 1;
  }
  const int result = RUN_ALL_TESTS();
  return worthmere::testing::EveryFilteredNameRan() ? result : 1;
}
