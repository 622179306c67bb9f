#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "valuation/numbers/result.h"

namespace worthmere {

// Every failure of an estimate press is shown to the user as the same one message, so the error
// carries no detail, and a number's failure is one of them.
struct EstimateError {
  EstimateError() = default;
  EstimateError(NumberError) {}
};

template <typename T>
using EstimateResult = Result<T, EstimateError>;

// The one message every failed estimate press shows.
inline constexpr std::string_view kEstimateFailedMessage =
    "Please enter estimated values in the textboxes.";

// The four figures as they stand in the window's boxes.
struct EstimateInputs {
  std::string free_cash_flow_text;  // average annual free cash flow
  std::string growth_text;          // growth per year in percent: "8" is 8 %
  std::string discount_text;        // discount rate per year as a fraction: "0.0625" is 6.25 %
  std::string shares_text;          // number of shares outstanding
};

using YearTexts = std::array<std::string, 10>;

struct ShareValue {
  std::string present_value_text;    // the discounted fifteen-year total, "###.00"
  std::string value_per_share_text;  // what the value box shows, "###.00"
};

struct ValuationEstimate {
  YearTexts years;  // years 1 to 10, "###.0000"
  ShareValue share_value;
};

// Called with each year (1 to 10) and its text as soon as it is computed, so the window can write
// it at once and a later failure leaves the earlier years written.
using YearWritten = std::function<void(int year, const std::string& text)>;

// Grows the free cash flow for ten years in exact decimal arithmetic, each year from the previous
// year's four-decimal text.
EstimateResult<YearTexts> ProjectCashFlows(std::string_view free_cash_flow_text,
                                           std::string_view growth_text,
                                           const YearWritten& on_year = {});

// Discounts years 1 to 10 and five more years at year 10's value, and divides the rounded total
// by the share count.
EstimateResult<ShareValue> DiscountToShareValue(const YearTexts& years,
                                                std::string_view discount_text,
                                                std::string_view shares_text);

EstimateResult<ValuationEstimate> EstimateValue(const EstimateInputs& inputs,
                                                const YearWritten& on_year = {});

// The sum of flows[i] / (1 + rate)^(i + 1), each factor the exact power rounded once. A rate of
// -1, more than fifteen flows, or any step that is not finite, fails.
EstimateResult<double> NetPresentValue(double rate, std::span<const double> flows);

}  // namespace worthmere
