#include "valuation/input_defaults.h"

#include <cstdint>
#include <utility>

#include "valuation/line_break.h"
#include "valuation/numbers/number_to_text.h"

namespace worthmere {

std::string DefaultDiscountText() { return NumberToText(0.0625); }

std::string ClearedSharesText() { return NumberToText(std::int16_t{1}); }

std::array<std::string, 4> HelpMessages() {
  std::string first;
  first.append("Use this software to estimate the intrinsic value per share of a company's stock.")
      .append(kLineBreak)
      .append("Before estimating the Intrinsic Value...")
      .append(kLineBreak)
      .append("Step#1 Understand the Economics of this business.");
  std::string fourth;
  fourth.append("If it passes the filter steps of 1,2,3, then... ")
      .append(kLineBreak)
      .append("Step#4 Estimate an Intrinsic Value based on Free Cash Flows.");
  return {std::move(first), "Step#2 Does it have Sustainable Competitive Advantages?",
          "Step#3 Does it have Able & Trustworthy Managers?", std::move(fourth)};
}

}  // namespace worthmere
