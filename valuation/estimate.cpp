#include "valuation/estimate.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "valuation/numbers/decimal_number.h"
#include "valuation/numbers/exact_power.h"
#include "valuation/numbers/format_number.h"
#include "valuation/numbers/text_to_number.h"

namespace worthmere {
namespace {

// Year texts: rounded to four decimals, half away from zero, no digit groups.
constexpr NumberPattern kYearPattern("###.0000");
// The discounted total and the value per share: rounded to two decimals.
constexpr NumberPattern kMoneyPattern("###.00");

// Ten growing years, then five more at the tenth year's value.
constexpr std::size_t kFlatYears = 5;
constexpr std::size_t kEstimateYears = std::tuple_size_v<YearTexts> + kFlatYears;

// The growth is typed in percent; the chain grows by the growth times 0.01 each year, which the
// double 0.01 gives as exactly 1/100 through its 15-digit form.
const DecimalNumber kOnePercent = *DecimalNumber::FromParts(false, 1, 0, 2);

// One year of the chain: the flow plus the flow times the growth fraction.
NumberResult<DecimalNumber> GrowOneYear(const DecimalNumber& flow, const DecimalNumber& fraction) {
  return Multiply(flow, fraction).and_then([&flow](const DecimalNumber& increase) {
    return Add(flow, increase);
  });
}

}  // namespace

EstimateResult<YearTexts> ProjectCashFlows(std::string_view free_cash_flow_text,
                                           std::string_view growth_text,
                                           const YearWritten& on_year) {
  NumberResult<DecimalNumber> flow = TextToDecimal(free_cash_flow_text);
  const auto fraction = TextToDecimal(growth_text).and_then([](const DecimalNumber& growth) {
    return Multiply(growth, kOnePercent);
  });
  if (!flow || !fraction) return EstimateError{};

  YearTexts years;
  for (std::size_t index = 0; index < years.size(); ++index) {
    // Each year grows from the year before as written, so the four-decimal rounding carries on.
    if (index > 0) flow = TextToDecimal(years[index - 1]);
    const auto grown = flow.and_then(
        [&fraction](const DecimalNumber& previous) { return GrowOneYear(previous, *fraction); });
    if (!grown) return EstimateError{};
    years[index] = FormatNumber(*grown, kYearPattern);
    if (on_year) on_year(static_cast<int>(index) + 1, years[index]);
  }
  return years;
}

EstimateResult<ShareValue> DiscountToShareValue(const YearTexts& years,
                                                std::string_view discount_text,
                                                std::string_view shares_text) {
  std::array<double, kEstimateYears> flows{};
  for (std::size_t index = 0; index < years.size(); ++index) {
    const auto flow = TextToDouble(years[index]);
    if (!flow) return EstimateError{};
    flows[index] = *flow;
  }
  for (std::size_t index = years.size(); index < flows.size(); ++index) {
    flows[index] = flows[years.size() - 1];
  }

  const auto total = TextToDecimal(discount_text).and_then([&flows](const DecimalNumber& rate) {
    return NetPresentValue(rate.ToDouble(), flows);
  });
  if (!total) return EstimateError{};

  ShareValue value;
  value.present_value_text = FormatNumber(*total, kMoneyPattern);
  // The total enters the division as its rounded two-decimal text, not as the unrounded sum.
  const auto rounded_total = TextToDouble(value.present_value_text);
  const auto shares = TextToDouble(shares_text);
  if (!rounded_total || !shares) return EstimateError{};
  const double per_share = *rounded_total / *shares;
  if (!std::isfinite(per_share)) return EstimateError{};
  value.value_per_share_text = FormatNumber(per_share, kMoneyPattern);
  return value;
}

EstimateResult<ValuationEstimate> EstimateValue(const EstimateInputs& inputs,
                                                const YearWritten& on_year) {
  const auto years = ProjectCashFlows(inputs.free_cash_flow_text, inputs.growth_text, on_year);
  if (!years) return EstimateError{};
  const auto value = DiscountToShareValue(*years, inputs.discount_text, inputs.shares_text);
  if (!value) return EstimateError{};
  return ValuationEstimate{*years, *value};
}

EstimateResult<double> NetPresentValue(double rate, std::span<const double> flows) {
  const double growth_per_period = 1.0 + rate;
  if (growth_per_period == 0.0) return EstimateError{};
  if (flows.size() > kMaxExactPowerExponent) return EstimateError{};
  // The first flow is discounted by one full period: there is no flow at time zero.
  std::array<double, kMaxExactPowerExponent> factors{};
  ExactPowers(growth_per_period, std::span(factors).first(flows.size()));
  double total = 0.0;
  for (std::size_t index = 0; index < flows.size(); ++index) {
    const double factor = factors[index];
    if (!std::isfinite(factor)) return EstimateError{};
    const double present = flows[index] / factor;
    if (!std::isfinite(present)) return EstimateError{};
    total += present;
    if (!std::isfinite(total)) return EstimateError{};
  }
  return total;
}

}  // namespace worthmere
