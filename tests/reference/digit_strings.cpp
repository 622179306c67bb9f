#include "reference/digit_strings.h"

#include <algorithm>

namespace worthmere::reference {

std::string Normalized(std::string digits) {
  const auto first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

int CompareDigits(const std::string& a, const std::string& b) {
  const std::string x = Normalized(a);
  const std::string y = Normalized(b);
  if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
  return x.compare(y) < 0 ? -1 : (x == y ? 0 : 1);
}

std::string AddDigits(const std::string& a, const std::string& b) {
  std::string result;
  int carry = 0;
  for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry != 0; ++i) {
    const int x = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
    const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
    const int sum = x + y + carry;
    result.push_back(static_cast<char>('0' + sum % 10));
    carry = sum / 10;
  }
  std::reverse(result.begin(), result.end());
  return Normalized(result);
}

std::string SubtractDigits(const std::string& a, const std::string& b) {
  std::string result;
  int borrow = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    int x = a[a.size() - 1 - i] - '0' - borrow;
    const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
    borrow = x < y ? 1 : 0;
    x += borrow * 10;
    result.push_back(static_cast<char>('0' + x - y));
  }
  std::reverse(result.begin(), result.end());
  return Normalized(result);
}

std::string MultiplyDigits(const std::string& a, const std::string& b) {
  std::string result(a.size() + b.size(), '0');
  for (std::size_t i = a.size(); i-- > 0;) {
    int carry = 0;
    for (std::size_t j = b.size(); j-- > 0;) {
      const int cell = result[i + j + 1] - '0' + (a[i] - '0') * (b[j] - '0') + carry;
      result[i + j + 1] = static_cast<char>('0' + cell % 10);
      carry = cell / 10;
    }
    result[i] = static_cast<char>(result[i] + carry);
  }
  return Normalized(result);
}

std::string ShiftDigits(const std::string& a, int powers_of_ten) {
  return Normalized(a + std::string(static_cast<std::size_t>(powers_of_ten), '0'));
}

std::string DivideDigits(const std::string& a, const std::string& b, std::string* remainder) {
  std::string quotient;
  std::string rest = "0";
  for (char digit : a) {
    rest = Normalized(rest + digit);
    char count = '0';
    while (CompareDigits(rest, b) >= 0) {
      rest = SubtractDigits(rest, b);
      ++count;
    }
    quotient.push_back(count);
  }
  *remainder = rest;
  return Normalized(quotient);
}

}  // namespace worthmere::reference
