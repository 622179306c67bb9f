#include "platform/twips.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace worthmere {

namespace {

// Round half to even, written out so it does not depend on the floating-point rounding mode.
double RoundHalfToEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction > 0.5) return floor + 1.0;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

}  // namespace

int TwipsToPixels(double twips, double twips_per_pixel) {
  const double pixels = RoundHalfToEven(twips / twips_per_pixel);
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  if (std::isnan(pixels)) return 0;
  if (pixels <= kLowest) return std::numeric_limits<std::int32_t>::min();
  if (pixels >= kHighest) return std::numeric_limits<std::int32_t>::max();
  return static_cast<int>(pixels);
}

}  // namespace worthmere
