#pragma once

#include <charconv>

namespace worthmere::numbers_detail {

// Reads the double nearest to a number text of the strict form without "+", "$" or commas (an
// optional minus, digits, an optional point and digits, an optional exponent), as std::from_chars
// does: a value beyond the double range, or below half the smallest one, is result_out_of_range
// and leaves `value` unchanged.
std::from_chars_result ReadDouble(const char* first, const char* last, double& value);

}  // namespace worthmere::numbers_detail
