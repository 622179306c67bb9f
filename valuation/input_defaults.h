#pragma once

#include <array>
#include <string>
#include <string_view>

namespace worthmere {

// The estimator's default inputs, which Help / reset puts back.
inline constexpr std::string_view kDefaultFreeCashFlowText = "4,141,000,000";
inline constexpr std::string_view kDefaultSharesText = "1,473,000,000";
std::string DefaultDiscountText();  // "0.0625"

// What Clear leaves in the share-count box: "1".
std::string ClearedSharesText();

// The four screening steps Help / reset shows in turn; lines are joined by CR LF.
std::array<std::string, 4> HelpMessages();

}  // namespace worthmere
