#pragma once

#include <string>
#include <string_view>

namespace worthmere {

// Enter in the cash-flow box: "4141000000" gives "$4,141,000,000"; a text that is not a number
// comes back unchanged.
std::string FormatCashFlowOnEnter(std::string_view text);

// Enter in the share-count box: "1473000000" gives "1,473,000,000".
std::string FormatSharesOnEnter(std::string_view text);

}  // namespace worthmere
