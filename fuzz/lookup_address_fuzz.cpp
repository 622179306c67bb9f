// The look-up address for an arbitrary ticker: the fixed parts stay as they are, and the ticker
// fills only its own query value, with every byte outside the unreserved set percent-encoded, so
// decoding the value gives the ticker back.
//
// Input layout: the first byte's lowest bit picks the page (0 cash flow, 1 ratios); the rest is
// the ticker.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "weblinks/lookup_address.h"

namespace worthmere::fuzz {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsUnreserved(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

std::string Decoded(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '%') {
      Require(IsUnreserved(value[i]), "ticker value holds a raw reserved character", value);
      out.push_back(value[i]);
      continue;
    }
    Require(i + 2 < value.size() && HexValue(value[i + 1]) >= 0 && HexValue(value[i + 2]) >= 0,
            "broken percent escape", value);
    const int byte = HexValue(value[i + 1]) * 16 + HexValue(value[i + 2]);
    Require(!IsUnreserved(static_cast<char>(byte)), "unreserved character escaped", value);
    out.push_back(static_cast<char>(byte));
    i += 2;
  }
  return out;
}

}  // namespace
}  // namespace worthmere::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace worthmere;
  if (size == 0) return 0;
  const bool ratios = (data[0] & 1) != 0;
  const std::string_view ticker = fuzz::AsText(data + 1, size - 1);
  const std::string address =
      LookupAddress(ratios ? LookupPage::Ratios : LookupPage::CashFlow, ticker);
  const std::string host(kLookupHost);
  const std::string before =
      ratios ? "http://" + host + "/ratios/r.html?t=" : "https://" + host + "/cash-flow/cf.html?t=";
  const std::string_view after = ratios ? "&region=usa&culture=en-US" : "&region=USA&culture=en-us";
  fuzz::Require(address.size() >= before.size() + after.size() &&
                    address.compare(0, before.size(), before) == 0 &&
                    address.compare(address.size() - after.size(), after.size(), after) == 0,
                "fixed parts of the address changed", address);
  const std::string_view value = std::string_view(address).substr(
      before.size(), address.size() - before.size() - after.size());
  fuzz::Require(fuzz::Decoded(value) == ticker, "ticker not kept", address);
  return 0;
}
