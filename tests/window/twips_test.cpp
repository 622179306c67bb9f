#include <gtest/gtest.h>

#include <climits>

#include "platform/twips.h"

namespace worthmere {
namespace {

struct TwipsRow {
  const char* behaviour;
  double twips;
  double ratio;
  int pixels;
};

TEST(TwipsToPixels, RoundsHalvesToEven) {
  const TwipsRow rows[] = {
      {"120 dots per inch", 2580, 12, 215},
      {"96 dots per inch", 2580, 15, 172},
      {"half below an even pixel goes down", 2587.5, 15, 172},
      {"half above an odd pixel goes up", 2602.5, 15, 174},
      {"just past a half goes up", 2588, 15, 173},
      {"negative half goes to the even pixel", -2587.5, 15, -172},
      {"panel overhang", -30, 15, -2},
      {"beyond the 32-bit range held at its end", 1e300, 15, INT_MAX},
      {"beyond the 32-bit range below", -1e300, 15, INT_MIN},
  };
  for (const TwipsRow& row : rows) {
    EXPECT_EQ(TwipsToPixels(row.twips, row.ratio), row.pixels) << row.behaviour;
  }
}

}  // namespace
}  // namespace worthmere
