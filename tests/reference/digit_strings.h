#pragma once

#include <string>

namespace worthmere::reference {

// Unbounded non-negative integers as decimal digit strings, most significant first, "0" for
// zero. Deliberately plain schoolbook arithmetic in another base than the code under test.
std::string Normalized(std::string digits);
int CompareDigits(const std::string& a, const std::string& b);
std::string AddDigits(const std::string& a, const std::string& b);
// Requires a >= b.
std::string SubtractDigits(const std::string& a, const std::string& b);
std::string MultiplyDigits(const std::string& a, const std::string& b);
std::string ShiftDigits(const std::string& a, int powers_of_ten);
// Quotient; the remainder goes to `remainder`. `b` must not be zero.
std::string DivideDigits(const std::string& a, const std::string& b, std::string* remainder);

}  // namespace worthmere::reference
