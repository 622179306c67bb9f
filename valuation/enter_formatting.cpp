#include "valuation/enter_formatting.h"

#include "valuation/numbers/format_number.h"

namespace worthmere {

std::string FormatCashFlowOnEnter(std::string_view text) {
  return FormatNumber(text, "$###,###,###,###");
}

std::string FormatSharesOnEnter(std::string_view text) {
  return FormatNumber(text, "###,###,###,###");
}

}  // namespace worthmere
