#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace worthmere::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The first Count - 1 fields end at a line feed; the last takes the rest, line feeds included.
// Missing fields are empty, so every input is usable and the seeds stay readable text files.
template <std::size_t Count>
std::array<std::string_view, Count> SplitLines(std::string_view text) {
  std::array<std::string_view, Count> fields{};
  for (std::size_t i = 0; i + 1 < Count; ++i) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
      fields[i] = text;
      return fields;
    }
    fields[i] = text.substr(0, end);
    text.remove_prefix(end + 1);
  }
  fields[Count - 1] = text;
  return fields;
}

}  // namespace worthmere::fuzz
