#include "valuation/bargain_report.h"

#include <cmath>
#include <cstddef>

#include "valuation/line_break.h"
#include "valuation/numbers/format_number.h"
#include "valuation/numbers/number_to_text.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere {
namespace {

// The ratio and the bargain percentage: two decimals at most, trailing zeros dropped, the point
// always written (zero shows as ".").
constexpr NumberPattern kTwoPlacesPattern("###.##");
// The yield: rounded to one decimal, half away from zero.
constexpr NumberPattern kOnePlacePattern("###.0");

// What "###.##" makes of a ratio that rounds to zero.
constexpr std::string_view kZeroRatioText = ".";

// A bargain must show a percentage above one.
constexpr int kBargainThresholdPercent = 1;
// The years over which the gap between price and value is compounded.
constexpr double kCompoundingYears = 10.0;

struct ReportFigures {
  std::string ValueText;
  std::string PriceText;
  std::string RatioText;
  std::string PercentText;
};

const DecimalNumber kOne = DecimalNumber::FromInteger(1);
const DecimalNumber kHundred = DecimalNumber::FromInteger(100);

// The market price over the value per share, in decimal arithmetic; a zero value fails.
NumberResult<DecimalNumber> PriceToValueRatio(const DecimalNumber& price,
                                              std::string_view value_text) {
  return TextToDouble(value_text)
      .and_then(DecimalNumber::FromDouble)
      .and_then([&price](const DecimalNumber& value) { return Divide(price, value); });
}

// How far the price lies below the value, in percent; exactly zero at or above the value.
NumberResult<DecimalNumber> BargainPercentage(const DecimalNumber& ratio) {
  return Subtract(kOne, ratio).and_then([](const DecimalNumber& fraction) {
    return fraction > DecimalNumber{} ? Multiply(fraction, kHundred) : DecimalNumber{};
  });
}

// The percentage as the report shows it, two decimals, must exceed the threshold: 1.004 is not a
// bargain, 1.005 is.
bool IsBargain(const DecimalNumber& percent) {
  return percent.RoundedTo(2, Rounding::HalfAwayFromZero) >
         DecimalNumber::FromInteger(kBargainThresholdPercent);
}

// The growth rate plus the yearly rate at which value over price compounds in ten years, taken
// from the ratio as shown, and rounded to one decimal.
EstimateResult<std::string> YieldText(std::string_view ratio_text, std::string_view growth_text) {
  double gap_percent = 0.0;
  if (ratio_text != kZeroRatioText) {
    const auto ratio = TextToDouble(ratio_text);
    if (!ratio) return EstimateError{};
    const double value_over_price = 1.0 / *ratio;
    if (!std::isfinite(value_over_price)) return EstimateError{};
    // A negative ratio has no real tenth root: NaN, which fails here.
    const double yearly = std::pow(value_over_price, 1.0 / kCompoundingYears);
    if (!std::isfinite(yearly)) return EstimateError{};
    gap_percent = (yearly - 1.0) * 100.0;
  }
  const auto growth = TextToDouble(growth_text);
  if (!growth) return EstimateError{};
  const double sum = *growth + gap_percent;
  if (!std::isfinite(sum)) return EstimateError{};
  const auto yield = TextToDouble(FormatNumber(sum, kOnePlacePattern));
  if (!yield) return EstimateError{};
  return NumberToText(*yield);
}

// Room for the longest fixed text and its figures, so a report is written in one allocation.
constexpr std::size_t kReportCapacity = 640;

std::string NotABargainText(const ReportFigures& figures) {
  std::string text;
  text.reserve(kReportCapacity);
  text.append("P/V ratio = ").append(figures.RatioText).append(" ");
  text.append(" and the estimated bargain = ").append(figures.PercentText);
  text.append(" percent. Therefore, it is not a bargain.");
  return text;
}

std::string BargainText(const ReportFigures& figures, const std::string& growth_text,
                        const std::string& yield_text) {
  std::string text;
  text.reserve(kReportCapacity);
  text.append("Starting with an assumed FCF annual growth of ").append(growth_text);
  text.append(" percent, the ");
  text.append("estimated intrinsic value per share is approximately $ ").append(figures.ValueText);
  text.append(" and you entered at a market price of $").append(figures.PriceText).append(" ");
  text.append(", so the P/V ratio = ").append(figures.RatioText).append(" ");
  text.append(" and the estimated bargain = ").append(figures.PercentText);
  text.append(" percent. ").append(kLineBreak).append(kLineBreak);
  text.append("If this is a high quality business with enduring competitive advantages, ");
  text.append("and honest and able management...");
  text.append("...based on compounding for 10 years, and a purchase price bargain of ");
  text.append(figures.PercentText);
  text.append(" percent, and a relative FCF growth of ").append(growth_text);
  text.append(" percent, then ");
  text.append("the estimated effective annual yield may be greater than ").append(yield_text);
  text.append(" %.");
  return text;
}

}  // namespace

EstimateResult<DecimalNumber> ReadMarketPrice(std::string_view price_text) {
  return TextToDecimal(price_text);
}

EstimateResult<std::string> PlainValuePerShare(std::string_view value_per_share_text) {
  const auto value = TextToDecimal(value_per_share_text);
  if (!value) return EstimateError{};
  return NumberToText(*value);
}

EstimateResult<BargainReport> ComposeBargainReport(std::string_view value_per_share_text,
                                                   std::string_view price_text,
                                                   std::string_view growth_text) {
  const auto price = ReadMarketPrice(price_text);
  // Plain form again, so the "###.00" text gives the same report as the rewritten one.
  const auto value_text = PlainValuePerShare(value_per_share_text);
  if (!price || !value_text) return EstimateError{};
  const auto ratio = PriceToValueRatio(*price, *value_text);
  const auto percent = ratio.and_then(BargainPercentage);
  if (!percent) return EstimateError{};

  const ReportFigures figures{*value_text, NumberToText(*price),
                              FormatNumber(*ratio, kTwoPlacesPattern),
                              FormatNumber(*percent, kTwoPlacesPattern)};
  if (!IsBargain(*percent)) return BargainReport{ReportKind::NotABargain, NotABargainText(figures)};

  const auto growth = TextToDecimal(growth_text);
  const auto yield_text = YieldText(figures.RatioText, growth_text);
  if (!growth || !yield_text) return EstimateError{};
  return BargainReport{ReportKind::Bargain,
                       BargainText(figures, NumberToText(*growth), *yield_text)};
}

}  // namespace worthmere
