#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace worthmere::fuzz {

// The text with every byte outside printable ASCII written as \xHH, cut to a readable length.
inline std::string Escaped(std::string_view text) {
  constexpr std::size_t kShown = 300;
  std::string out;
  for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      out.push_back(static_cast<char>(byte));
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out.append(hex);
    }
  }
  if (text.size() > kShown) out.append("... (" + std::to_string(text.size()) + " bytes)");
  return out;
}

// A broken invariant ends the run like a crash, so the fuzzer keeps the input that broke it.
[[noreturn]] inline void Fail(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "\nINVARIANT BROKEN: %.*s\n  %s\n", static_cast<int>(what.size()),
               what.data(), Escaped(detail).c_str());
  std::fflush(stderr);
  std::abort();
}

inline void Require(bool holds, std::string_view what, std::string_view detail = {}) {
  if (!holds) Fail(what, detail);
}

}  // namespace worthmere::fuzz
