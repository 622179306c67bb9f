#pragma once

#include <cstddef>
#include <string_view>

namespace worthmere {

// A formatting pattern, read once: literal characters ("$", "-"), whole-part placeholders ("#"
// or "0", with "," among them for digit groups), then optionally "." and fraction placeholders.
// Each whole-part "0" asks for one more digit at least; decimals up to the last fraction "0" are
// always written, the "#" after it only when not zero; characters after the placeholders are
// written after the number. The program's patterns are constants, read at compile time; a pattern
// given as text is read where it is used.
class NumberPattern {
 public:
  constexpr NumberPattern(const char* text) : NumberPattern(std::string_view(text)) {}
  constexpr NumberPattern(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && !IsWholePlaceholder(text[i]) && text[i] != '.') ++i;
    prefix_ = text.substr(0, i);
    for (; i < text.size() && IsWholePlaceholder(text[i]); ++i) {
      if (text[i] == '0') ++min_whole_digits_;
      if (text[i] == ',') grouped_ = true;
    }
    if (i < text.size() && text[i] == '.') {
      has_point_ = true;
      for (++i; i < text.size() && (text[i] == '#' || text[i] == '0'); ++i) {
        ++max_decimals_;
        if (text[i] == '0') min_decimals_ = max_decimals_;
      }
    }
    suffix_ = text.substr(i);
  }

  constexpr std::string_view Prefix() const { return prefix_; }
  constexpr std::size_t MinWholeDigits() const { return min_whole_digits_; }
  constexpr bool Grouped() const { return grouped_; }
  constexpr bool HasPoint() const { return has_point_; }
  constexpr int MinDecimals() const { return min_decimals_; }
  constexpr int MaxDecimals() const { return max_decimals_; }
  constexpr std::string_view Suffix() const { return suffix_; }

 private:
  static constexpr bool IsWholePlaceholder(char c) { return c == '#' || c == '0' || c == ','; }

  std::string_view prefix_;
  std::size_t min_whole_digits_ = 0;
  bool grouped_ = false;
  bool has_point_ = false;
  int min_decimals_ = 0;
  int max_decimals_ = 0;
  std::string_view suffix_;
};

}  // namespace worthmere
