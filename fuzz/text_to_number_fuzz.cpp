// Arbitrary bytes read as a typed figure by both strict conversions. An accepted text must come
// back through its plain text (to 15 significant digits for a double, exactly for a decimal); the
// two conversions must agree on what is a number and, within the decimal's precision, on its value;
// a second, separate reading of the accepted form must agree on which texts are numbers; and the
// double must be the nearest one, as the number reader reads the same number in its plain form.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "valuation/numbers/detail/double_reader.h"
#include "valuation/numbers/number_to_text.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere::fuzz {
namespace {

// The accepted form read with a cursor: spaces, a sign and a "$" each at most once in either
// order, digits with runs of commas between digits, a point with digits, an exponent, spaces.
// A matching text is also written in the standard library's own form, without spaces, "$" or
// commas.
class AcceptedForm {
 public:
  explicit AcceptedForm(std::string_view text) : text_(text) {}

  bool Matches() {
    SkipSpaces();
    ReadSignAndCurrency();
    const std::size_t whole = ReadGroupedDigits();
    std::size_t fraction = 0;
    if (whole == 0) plain_.push_back('0');
    if (Take('.')) {
      plain_.push_back('.');
      fraction = ReadDigits();
    }
    if (whole + fraction == 0) return false;
    if (Take('E') || Take('e')) {
      plain_.push_back('e');
      if (Take('-')) {
        plain_.push_back('-');
      } else {
        Take('+');
      }
      if (ReadDigits() == 0) return false;
    }
    SkipSpaces();
    return at_ == text_.size();
  }

  const std::string& PlainForm() const { return plain_; }

 private:
  bool IsDigitAt(std::size_t index) const {
    return index < text_.size() && text_[index] >= '0' && text_[index] <= '9';
  }
  bool Take(char c) {
    if (at_ >= text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }
  void SkipSpaces() {
    while (Take(' ')) {
    }
  }
  void ReadSignAndCurrency() {
    bool sign = false;
    bool currency = false;
    for (;;) {
      if (!sign && Take('-')) {
        sign = true;
        plain_.push_back('-');
      } else if (!sign && Take('+')) {
        sign = true;
      } else if (!currency && Take('$')) {
        currency = true;
      } else {
        return;
      }
    }
  }
  std::size_t ReadDigits() {
    const std::size_t start = at_;
    while (IsDigitAt(at_)) plain_.push_back(text_[at_++]);
    return at_ - start;
  }
  std::size_t ReadGroupedDigits() {
    std::size_t count = ReadDigits();
    for (;;) {
      std::size_t after_commas = at_;
      while (after_commas < text_.size() && text_[after_commas] == ',') ++after_commas;
      if (count == 0 || after_commas == at_ || !IsDigitAt(after_commas)) break;
      at_ = after_commas;
      count += ReadDigits();
    }
    return count;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::string plain_;
};

// Doubles from here up have a 15-digit plain text above the largest double
// ("1.79769313486232E+308"), which reads back as out of range.
constexpr double kPlainTextBeyondRange = 1.797693134862315e308;
// 2^96 - 0.5: from here up the decimal's whole part no longer fits 96 bits.
constexpr double kBeyondDecimalRange = 7.9228162514264337e28;

void CheckDouble(std::string_view text, double value) {
  Require(std::isfinite(value), "TextToDouble gave a value that is not finite", text);
  const std::string shown = NumberToText(value);
  const NumberResult<double> again = TextToDouble(shown);
  if (!again) {
    Require(again.error() == NumberError::Overflow && std::fabs(value) >= kPlainTextBeyondRange,
            "the plain text of an accepted double does not read back", shown);
    return;
  }
  Require(NumberToText(*again) == shown, "double round trip changed the 15-digit text", shown);
}

void CheckDecimal(std::string_view text, const DecimalNumber& value) {
  Require(value.Scale() >= 0 && value.Scale() <= DecimalNumber::kMaxScale,
          "TextToDecimal gave a scale outside 0..28", text);
  const std::string shown = NumberToText(value);
  const NumberResult<DecimalNumber> again = TextToDecimal(shown);
  Require(again.ok() && *again == value && NumberToText(*again) == shown,
          "decimal round trip changed the value", shown);
  // Both readers give the nearest double to the same exact value.
  const NumberResult<double> as_double = TextToDouble(shown);
  Require(as_double.ok() && *as_double == value.ToDouble(),
          "ToDouble and TextToDouble disagree on a decimal's plain text", shown);
}

void CheckNearest(std::string_view text, const NumberResult<double>& number,
                  const std::string& plain) {
  double nearest = 0;
  const auto [end, error] =
      numbers_detail::ReadDouble(plain.data(), plain.data() + plain.size(), nearest);
  Require(end == plain.data() + plain.size() && error != std::errc::invalid_argument,
          "the standard form of an accepted text does not read", plain);
  if (error == std::errc::result_out_of_range) {
    Require(number ? *number == 0 : number.error() == NumberError::Overflow,
            "out of range read as a number", text);
    return;
  }
  Require(number.ok() && *number == nearest && std::signbit(*number) == std::signbit(nearest),
          "TextToDouble is not the nearest double", text);
}

void CheckAgreement(std::string_view text, const NumberResult<double>& number,
                    const NumberResult<DecimalNumber>& decimal) {
  const bool number_rejects = !number && number.error() == NumberError::NotANumber;
  const bool decimal_rejects = !decimal && decimal.error() == NumberError::NotANumber;
  Require(number_rejects == decimal_rejects, "the two conversions disagree on a number", text);
  AcceptedForm form(text);
  Require(number_rejects != form.Matches(), "the conversions and the accepted form disagree", text);
  if (number_rejects) return;
  CheckNearest(text, number, form.PlainForm());

  if (!number) {
    Require(number.error() == NumberError::Overflow && !decimal &&
                decimal.error() == NumberError::Overflow,
            "a double overflow is no decimal overflow", text);
    return;
  }
  if (!decimal) {
    Require(decimal.error() == NumberError::Overflow && std::fabs(*number) >= kBeyondDecimalRange,
            "decimal overflow below 2^96", text);
    return;
  }
  // The decimal is exact to 28 decimals and 29 significant digits; each double is the nearest.
  const double from_decimal = decimal->ToDouble();
  const double scale = std::max(std::fabs(*number), std::fabs(from_decimal));
  Require(std::fabs(*number - from_decimal) <= 1e-28 + 4e-16 * scale,
          "the two conversions read different values", text);
  Require(from_decimal == 0 || std::signbit(*number) == std::signbit(from_decimal),
          "the two conversions read different signs", text);
}

}  // namespace
}  // namespace worthmere::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace worthmere;
  const std::string_view text = fuzz::AsText(data, size);
  const NumberResult<double> number = TextToDouble(text);
  const NumberResult<DecimalNumber> decimal = TextToDecimal(text);
  if (number) fuzz::CheckDouble(text, *number);
  if (decimal) fuzz::CheckDecimal(text, *decimal);
  fuzz::CheckAgreement(text, number, decimal);
  return 0;
}
