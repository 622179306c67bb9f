// The estimate and the bargain report on arbitrary box texts, as one press runs them. Either the
// press fails as a whole, or every text it writes has its pattern's shape and reads back as a
// number, the years written one by one are the years returned, the one-call estimate equals its
// two steps, and the report is one of the two texts with figures that fit the price and the value.
//
// Input layout: the cash flow, growth, discount, share count and typed price texts, separated by
// line feeds (the price takes the rest).

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "valuation/bargain_report.h"
#include "valuation/estimate.h"
#include "valuation/numbers/decimal_number.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere::fuzz {
namespace {

// 2^96 - 0.5: from here up a value no longer fits the decimal type.
constexpr double kBeyondDecimalRange = 7.9228162514264337e28;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "-" at most, digits without a leading zero, the point, exactly `decimals` digits.
bool HasMoneyShape(std::string_view text, std::size_t decimals) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos || text.size() - point - 1 != decimals) return false;
  if (point > 0 && text.front() == '0') return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i != point && !IsDigit(text[i])) return false;
  }
  return true;
}

// "###.##" output as a number: "." alone is zero.
double TwoPlaceValue(std::string_view text) {
  if (text == "." || text == "-.") return 0.0;
  const NumberResult<double> value = TextToDouble(text);
  Require(value.ok(), "a report figure is not a number", text);
  return *value;
}

std::string_view Between(std::string_view text, std::string_view before, std::string_view after) {
  const std::size_t start = text.find(before);
  Require(start != std::string_view::npos, "report piece missing", before);
  text.remove_prefix(start + before.size());
  const std::size_t end = text.find(after);
  Require(end != std::string_view::npos, "report piece missing", after);
  return text.substr(0, end);
}

void CheckReport(const std::string& value_text, std::string_view price_text,
                 const BargainReport& report) {
  const std::string& text = report.text;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool line_break = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    const bool after_cr = c == '\n' && i > 0 && text[i - 1] == '\r';
    Require((c >= 0x20 && c < 0x7F) || line_break || after_cr, "report holds a stray character",
            text);
  }
  std::string_view ratio_text;
  std::string_view percent_text;
  if (report.kind == ReportKind::Bargain) {
    Require(text.starts_with("Starting with an assumed FCF annual growth of ") &&
                text.ends_with(" %.") &&
                text.find("percent. \r\n\r\nIf this is") != std::string::npos,
            "bargain report malformed", text);
    ratio_text = Between(text, ", so the P/V ratio = ", "  and the estimated bargain = ");
    percent_text = Between(text, "  and the estimated bargain = ", " percent. \r\n");
    const std::string_view yield = Between(text, "may be greater than ", " %.");
    Require(TextToDouble(yield).ok(), "the yield is not a number", text);
    Require(Between(text, "approximately $ ", " and you entered") == value_text,
            "the report's value is not the plain value", text);
  } else {
    Require(text.starts_with("P/V ratio = ") &&
                text.ends_with(" percent. Therefore, it is not a bargain."),
            "not-a-bargain report malformed", text);
    ratio_text = Between(text, "P/V ratio = ", "  and the estimated bargain = ");
    percent_text = Between(text, "  and the estimated bargain = ", " percent. Therefore");
  }

  const double price = *TextToDouble(price_text);
  const double value = *TextToDouble(value_text);
  const double ratio = price / value;
  const double tolerance = 0.005 * (1 + 1e-9) + std::fabs(ratio) * 1e-12;
  Require(std::fabs(TwoPlaceValue(ratio_text) - ratio) <= tolerance,
          "the ratio does not fit the price and the value", text);
  const double percent = ratio < 1 ? (1 - ratio) * 100 : 0.0;
  Require(std::fabs(TwoPlaceValue(percent_text) - percent) <= 0.005 * (1 + 1e-9) + percent * 1e-12,
          "the bargain percentage does not fit the ratio", text);
  Require((report.kind == ReportKind::Bargain) == (TwoPlaceValue(percent_text) > 1),
          "report kind does not follow the shown percentage", text);
}

// Growth never shrinks a flow and no growth keeps it; the start is the typed flow rounded.
void CheckGrowth(const EstimateInputs& inputs, const YearTexts& years) {
  const DecimalNumber flow = *TextToDecimal(inputs.free_cash_flow_text);
  const DecimalNumber growth = *TextToDecimal(inputs.growth_text);
  if (flow.IsNegative() || growth.IsNegative()) return;
  DecimalNumber previous = flow.RoundedTo(4, Rounding::HalfAwayFromZero);
  for (const std::string& year : years) {
    const DecimalNumber current = *TextToDecimal(year);
    Require(growth.IsZero() ? current == previous : current >= previous,
            "growth does not grow the chain", year);
    previous = current;
  }
}

// At a rate of zero or more, fifteen flows of one sign discount to a total of that sign, at most
// their plain sum.
void CheckDiscounting(const EstimateInputs& inputs, const YearTexts& years,
                      const std::string& total_text) {
  const double rate = TextToDecimal(inputs.discount_text)->ToDouble();
  if (rate < 0) return;
  double sum = 0;
  for (const std::string& year : years) sum += *TextToDouble(year);
  sum += 5 * *TextToDouble(years.back());
  const double total = *TextToDouble(total_text);
  const double first = *TextToDouble(years.front());
  const double last = *TextToDouble(years.back());
  if (first < 0 || last < 0) return;
  Require(total >= 0 && total <= sum * (1 + 1e-12) + 0.005, "discounted total out of bounds",
          total_text);
}

void CheckPress(const EstimateInputs& inputs, std::string_view price_text) {
  std::vector<std::pair<int, std::string>> written;
  const auto years = ProjectCashFlows(
      inputs.free_cash_flow_text, inputs.growth_text,
      [&written](int year, const std::string& text) { written.emplace_back(year, text); });
  for (std::size_t i = 0; i < written.size(); ++i) {
    Require(written[i].first == static_cast<int>(i) + 1, "years written out of order");
    Require(HasMoneyShape(written[i].second, 4) && TextToDecimal(written[i].second).ok(),
            "year text malformed", written[i].second);
  }
  const auto estimate = EstimateValue(inputs);
  if (!years) {
    Require(!estimate, "estimate succeeded where its first step failed");
    return;
  }
  Require(written.size() == 10, "a successful chain did not write ten years");
  for (std::size_t i = 0; i < 10; ++i) {
    Require(written[i].second == (*years)[i], "written year differs from the returned one");
  }
  CheckGrowth(inputs, *years);
  const auto value = DiscountToShareValue(*years, inputs.discount_text, inputs.shares_text);
  Require(value.ok() == estimate.ok(), "estimate differs from its two steps");
  if (!value) return;
  CheckDiscounting(inputs, *years, value->present_value_text);
  Require(estimate->years == *years &&
              estimate->share_value.present_value_text == value->present_value_text &&
              estimate->share_value.value_per_share_text == value->value_per_share_text,
          "estimate differs from its two steps");
  Require(HasMoneyShape(value->present_value_text, 2), "total malformed",
          value->present_value_text);
  Require(HasMoneyShape(value->value_per_share_text, 2), "value per share malformed",
          value->value_per_share_text);

  const auto plain_value = PlainValuePerShare(value->value_per_share_text);
  if (!plain_value) {
    // The press rewrites the value as a decimal, which ends it beyond the decimal range.
    Require(std::fabs(*TextToDouble(value->value_per_share_text)) >= kBeyondDecimalRange,
            "the value per share does not read back", value->value_per_share_text);
    return;
  }
  const auto report = ComposeBargainReport(*plain_value, price_text, inputs.growth_text);
  if (!ReadMarketPrice(price_text)) {
    Require(!report, "a report for a price that is not a number", price_text);
    return;
  }
  if (*TextToDouble(*plain_value) == 0) {
    Require(!report, "a report for a value of zero", *plain_value);
    return;
  }
  if (report) CheckReport(*plain_value, price_text, *report);
}

}  // namespace
}  // namespace worthmere::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace worthmere;
  const auto fields = fuzz::SplitLines<5>(fuzz::AsText(data, size));
  const EstimateInputs inputs{std::string(fields[0]), std::string(fields[1]),
                              std::string(fields[2]), std::string(fields[3])};
  fuzz::CheckPress(inputs, fields[4]);
  return 0;
}
