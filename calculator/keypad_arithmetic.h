#pragma once

#include <string_view>

#include "valuation/numbers/result.h"

namespace worthmere {

enum class ArithmeticFault {
  DivideByZero,
  OutOfRange,  // infinite, not a number, or too close to the top of the range to be shown
};

using ArithmeticResult = Result<double, ArithmeticFault>;

// The running result after the pending operation: "+", "-", "X" and "%" combine both operands,
// "/" divides unless `second` is zero, "=" gives `second` alone (a new entry replaces the
// result); any other symbol leaves `first` as it is. A result is only given when its plain text
// reads back as a number, so the display can always be taken as the next operand.
ArithmeticResult ApplyPendingOperator(std::string_view pending, double first, double second);

}  // namespace worthmere
