#include <gtest/gtest.h>

#include <cstdio>

#include "support/comma_locale.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (!worthmere::testing::PinCommaLocale()) {
    std::fprintf(stderr, "the de_DE.UTF-8 locale is missing: run the set-up script first\n");
    return 1;
  }
  return RUN_ALL_TESTS();
}
