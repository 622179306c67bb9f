#include "reference/shown_result.h"

namespace worthmere::reference {

std::string NumberErrorName(NumberError error) {
  switch (error) {
    case NumberError::NotANumber:
      return "NotANumber";
    case NumberError::Overflow:
      return "Overflow";
    case NumberError::DivideByZero:
      return "DivideByZero";
  }
  return "NumberError " + std::to_string(static_cast<int>(error));
}

}  // namespace worthmere::reference
