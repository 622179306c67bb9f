#include "valuation/numbers/detail/decimal_digits.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>

#include "valuation/numbers/detail/double_reader.h"

namespace worthmere {
namespace {

// "d.dddE+x" of the 15-digit rounding, from the double's exact decimal expansion rounded half
// away from zero by hand.
std::string Reference(double value) {
  char buffer[2000];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, std::abs(value), std::chars_format::fixed, 1100)
          .ptr;
  const std::string exact(buffer, end);
  const auto point = exact.find('.');
  std::string digits;
  long exponent = 0;
  for (std::size_t i = 0; i < exact.size(); ++i) {
    if (exact[i] == '.' || (digits.empty() && exact[i] == '0')) continue;
    if (digits.empty()) exponent = static_cast<long>(point) - static_cast<long>(i) - (i < point);
    digits.push_back(exact[i]);
  }
  if (digits.empty()) return "0";
  const bool up = digits.size() > 15 && digits[15] >= '5';
  digits.resize(std::min<std::size_t>(digits.size(), 15));
  if (up) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
      ++exponent;
    } else {
      ++digits[i - 1];
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);
  return std::string(value < 0 ? "-" : "") + digits + "E" + std::to_string(exponent);
}

std::string UnderTest(double value) {
  const numbers_detail::DecimalDigits form = numbers_detail::FifteenDigitsOf(value);
  if (form.count == 0) return "0";
  return std::string(form.negative ? "-" : "") + std::string(form.digits, form.count) + "E" +
         std::to_string(form.exponent);
}

double Read(const std::string& text) {
  double value = 0;
  numbers_detail::ReadDouble(text.data(), text.data() + text.size(), value);
  return value;
}

TEST(FifteenDigitRounding, MatchesTheExactExpansionForArbitraryBitPatterns) {
  std::mt19937_64 engine(15);
  for (int i = 0; i < 20000; ++i) {
    const double value = std::bit_cast<double>(engine());
    if (!std::isfinite(value)) continue;
    ASSERT_EQ(UnderTest(value), Reference(value)) << "bits " << std::bit_cast<std::uint64_t>(value);
  }
}

// Doubles read from 16 and 17 digit texts sit right next to the 15-digit halves, on either side
// or exactly on them.
TEST(FifteenDigitRounding, MatchesTheExactExpansionNextToHalves) {
  std::mt19937_64 engine(16);
  for (int i = 0; i < 20000; ++i) {
    std::string text = std::to_string(engine() % 9 + 1) + ".";
    for (int d = 0; d < 13; ++d) text.push_back(static_cast<char>('0' + engine() % 10));
    static const char* const kTails[] = {"5", "49", "50", "51", "45", "55", "39", "61", "38", "62"};
    text += kTails[engine() % 10];
    text.append("e").append(std::to_string(static_cast<int>(engine() % 600) - 300));
    const double value = Read(text);
    ASSERT_EQ(UnderTest(value), Reference(value)) << text;
  }
}

// From 10^-8 to 10^15, where the figures of the estimate and the keypad lie: short figures, which
// read back exactly, longer ones, and 16-digit halves, which lie next to a rounding boundary.
TEST(FifteenDigitRounding, MatchesTheExactExpansionForEverydayMagnitudes) {
  std::mt19937_64 engine(18);
  for (int i = 0; i < 20000; ++i) {
    const int length = i % 4 == 0 ? 15 : static_cast<int>(engine() % 17) + 1;
    std::string text = std::to_string(engine() % 9 + 1);
    while (static_cast<int>(text.size()) < length) text.push_back('0' + engine() % 10);
    if (i % 4 == 0) text.push_back('5');
    const int first_power = static_cast<int>(engine() % 23) - 8;
    const int last_power = first_power - static_cast<int>(text.size()) + 1;
    text.append("e").append(std::to_string(last_power));
    const double value = Read(text);
    ASSERT_EQ(UnderTest(value), Reference(value)) << text;
    ASSERT_EQ(UnderTest(-value), Reference(-value)) << text;
  }
}

TEST(FifteenDigitRounding, SubnormalsAndExactTies) {
  for (double value : {4.9406564584124654e-324, 2.2250738585072009e-308, 1e-310, 0.5, 0.125,
                       1234567890123455.0, 9999999999999995.0, 999999999999999.5}) {
    EXPECT_EQ(UnderTest(value), Reference(value));
    EXPECT_EQ(UnderTest(-value), Reference(-value));
  }
  std::mt19937_64 engine(17);
  for (int i = 0; i < 2000; ++i) {
    const double value = std::bit_cast<double>(engine() >> 12);  // a subnormal
    ASSERT_EQ(UnderTest(value), Reference(value)) << "bits " << std::bit_cast<std::uint64_t>(value);
  }
}

}  // namespace
}  // namespace worthmere
