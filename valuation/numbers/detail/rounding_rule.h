#pragma once

#include <cstdint>

#include "valuation/numbers/decimal_number.h"

namespace worthmere::numbers_detail {

// How the digits a rounding drops compare with half a unit of the last digit kept.
enum class DroppedPart { BelowHalf, Half, AboveHalf };

// `top` is the dropped digits' leading part, `half` one half in its units, and `lower_nonzero`
// says a non-zero digit lies below it.
constexpr DroppedPart CompareWithHalf(std::uint32_t top, std::uint32_t half, bool lower_nonzero) {
  if (top != half) return top < half ? DroppedPart::BelowHalf : DroppedPart::AboveHalf;
  return lower_nonzero ? DroppedPart::AboveHalf : DroppedPart::Half;
}

// Whether the digits kept go up by one unit: every place that rounds asks this.
constexpr bool RoundsUp(Rounding rule, DroppedPart dropped, bool last_kept_odd) {
  switch (rule) {
    case Rounding::HalfToEven:
      return dropped == DroppedPart::AboveHalf || (dropped == DroppedPart::Half && last_kept_odd);
    case Rounding::HalfAwayFromZero:
      return dropped != DroppedPart::BelowHalf;
  }
  return false;
}

}  // namespace worthmere::numbers_detail
