#include "calculator/keypad_arithmetic.h"

#include <cmath>

#include "valuation/numbers/number_to_text.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere {
namespace {

// Below this magnitude the 15-digit plain text stays below the largest double, so it reads back.
constexpr double kSurelyShowable = 1e308;

// Near the largest double the text rounded to 15 digits can lie beyond it
// ("1.79769313486232E+308").
bool Showable(double value) {
  if (!std::isfinite(value)) return false;
  if (std::abs(value) < kSurelyShowable) return true;
  return TextToDouble(NumberToText(value)).ok();
}

}  // namespace

ArithmeticResult ApplyPendingOperator(std::string_view pending, double first, double second) {
  double result = first;
  if (pending == "+") {
    result = first + second;
  } else if (pending == "-") {
    result = first - second;
  } else if (pending == "X" || pending == "%") {
    result = first * second;
  } else if (pending == "/") {
    if (second == 0.0) return ArithmeticFault::DivideByZero;
    result = first / second;
  } else if (pending == "=") {
    result = second;
  }
  if (!Showable(result)) return ArithmeticFault::OutOfRange;
  return result;
}

}  // namespace worthmere
