#pragma once

#include <string>
#include <string_view>

namespace worthmere {

// The financial-data site both look-ups open, and the book-store page Help / reset opens; both
// are set in the top CMakeLists.txt.
inline constexpr std::string_view kLookupHost = WORTHMERE_LOOKUP_HOST;
inline constexpr std::string_view kBookStoreAddress = WORTHMERE_BOOK_STORE_ADDRESS;

// The ticker prompt of both look-ups.
inline constexpr std::string_view kTickerPrompt = "enter";
inline constexpr std::string_view kTickerTitle = "data";
inline constexpr std::string_view kTickerDefault = "KO";

enum class LookupPage { CashFlow, Ratios };

// The page's address for a ticker (the window upper-cases what the user typed), percent-encoded
// as a query value so no character can change the host, the path or the other parameters.
// CashFlow, "KO" gives
// "https://financials.example.com/cash-flow/cf.html?t=KO&region=USA&culture=en-us".
std::string LookupAddress(LookupPage page, std::string_view ticker);

}  // namespace worthmere
