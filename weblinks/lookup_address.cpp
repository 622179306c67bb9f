#include "weblinks/lookup_address.h"

namespace worthmere {
namespace {

struct PageAddress {
  std::string_view scheme;
  std::string_view path_to_ticker;
  std::string_view after_ticker;
};

// The two pages differ in scheme and in the letter case of their trailing queries; each keeps its
// own as the site expects it.
constexpr PageAddress kCashFlowPage{"https", "/cash-flow/cf.html?t=", "&region=USA&culture=en-us"};
constexpr PageAddress kRatiosPage{"http", "/ratios/r.html?t=", "&region=usa&culture=en-US"};

bool IsUnreservedInQuery(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

// The ticker as a query value: every byte outside the unreserved set becomes %XX, so a typed
// "&", "#", "/", "?" or space cannot reach into the other parts of the address.
void AppendTickerValue(std::string& address, std::string_view ticker) {
  constexpr std::string_view kHexDigits = "0123456789ABCDEF";
  for (const char c : ticker) {
    if (IsUnreservedInQuery(c)) {
      address.push_back(c);
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    address.push_back('%');
    address.push_back(kHexDigits[byte >> 4]);
    address.push_back(kHexDigits[byte & 0x0F]);
  }
}

}  // namespace

std::string LookupAddress(LookupPage page, std::string_view ticker) {
  const PageAddress& parts = page == LookupPage::CashFlow ? kCashFlowPage : kRatiosPage;
  std::string address;
  address.append(parts.scheme).append("://").append(kLookupHost).append(parts.path_to_ticker);
  AppendTickerValue(address, ticker);
  address.append(parts.after_ticker);
  return address;
}

}  // namespace worthmere
