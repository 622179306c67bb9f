#pragma once

#include <string_view>

#include "valuation/numbers/decimal_number.h"
#include "valuation/numbers/result.h"

namespace worthmere {

// Strict reading of a typed figure: the whole text must be a number, with one fixed convention
// ("." point, "," digit groups, "$" currency) whatever the platform's regional settings.
//
// Form, left to right: spaces; an optional "+" or "-"; an optional "$" (also before the sign);
// digits, where commas between two digits are dropped; an optional "." and digits; an exponent
// ("E" or "e", optional sign, at least one digit) if any; spaces. At least one digit before the
// exponent.
//
// Accepted: "8", "0.0625", "4,141,000,000", "$4,141,000,000", "-$5", "$-5", "12.", ".5", "-.5",
//           "1,2,3", "1,,2", "1E5", "2.5e-3", "  7  ".
// Rejected (NotANumber): "", "   ", "-", ".", "$", "abc", "1.2.3", "1E", "1E+", ",5", "5,",
//           "5,.5", "1.5,0", "1,e5", "5-", "(5)", "5$", "&H10", "0x10", "- 5", "$ 5", "\t5", "inf",
//           "nan".
// A magnitude beyond the type's range is an Overflow; one too small for it reads as zero.
NumberResult<double> TextToDouble(std::string_view text);
NumberResult<DecimalNumber> TextToDecimal(std::string_view text);

}  // namespace worthmere
