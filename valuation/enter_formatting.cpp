#include "valuation/enter_formatting.h"

#include "valuation/numbers/format_number.h"

namespace worthmere {
namespace {

constexpr NumberPattern kCashFlowPattern("$###,###,###,###");
constexpr NumberPattern kSharesPattern("###,###,###,###");

}  // namespace

std::string FormatCashFlowOnEnter(std::string_view text) {
  return FormatNumber(text, kCashFlowPattern);
}

std::string FormatSharesOnEnter(std::string_view text) {
  return FormatNumber(text, kSharesPattern);
}

}  // namespace worthmere
