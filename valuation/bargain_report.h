#pragma once

#include <string>
#include <string_view>

#include "valuation/estimate.h"
#include "valuation/numbers/decimal_number.h"

namespace worthmere {

// The price prompt of an estimate press.
inline constexpr std::string_view kMarketPricePrompt = "Enter the market price.";
inline constexpr std::string_view kMarketPriceTitle = "Bargain?";
inline constexpr std::string_view kMarketPriceDefault = "0";

enum class ReportKind { Bargain, NotABargain };

struct BargainReport {
  ReportKind kind;
  std::string text;  // lines joined by CR LF
};

// The market price as typed; an empty (cancelled) or non-numeric text fails.
EstimateResult<DecimalNumber> ReadMarketPrice(std::string_view price_text);

// The value box's "###.00" text in plain form: "44.60" gives "44.6", ".00" gives "0".
EstimateResult<std::string> PlainValuePerShare(std::string_view value_per_share_text);

// Compares the typed price with the value per share (the plain text) and composes the bargain or
// not-a-bargain report. Fails for a zero value, a negative ratio that reaches the yield, or any
// step that overflows.
EstimateResult<BargainReport> ComposeBargainReport(std::string_view value_per_share_text,
                                                   std::string_view price_text,
                                                   std::string_view growth_text);

}  // namespace worthmere
