#pragma once

#include <string>

#include "valuation/numbers/number_to_text.h"
#include "valuation/numbers/result.h"

namespace worthmere::reference {

// "NotANumber", "Overflow" or "DivideByZero": how the tests and the fuzz targets write an error.
std::string NumberErrorName(NumberError error);

// A conversion's or an operation's outcome as text: the value in plain form or the error's name.
template <typename T>
std::string Shown(const NumberResult<T>& result) {
  return result ? NumberToText(*result) : NumberErrorName(result.error());
}

}  // namespace worthmere::reference
