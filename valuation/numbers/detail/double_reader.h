#pragma once

#include <charconv>

namespace worthmere::numbers_detail {

// True where the C++ library reads doubles itself (std::from_chars): then the reader is
// std::from_chars and checks the form of any text, and the fast way of TextToDouble may use it.
inline constexpr bool kReaderChecksForm = WORTHMERE_FLOAT_FROM_CHARS;

// Reads the double nearest to a number text of the strict form without "+", "$" or commas (an
// optional minus, digits, an optional point and digits, an optional exponent), as std::from_chars
// does: a value beyond the double range, or below half the smallest one, is result_out_of_range
// and leaves `value` unchanged.
std::from_chars_result ReadDouble(const char* first, const char* last, double& value);

}  // namespace worthmere::numbers_detail
