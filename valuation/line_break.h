#pragma once

#include <string_view>

namespace worthmere {

// The lines of a message and of the clipboard report are joined by CR LF on every system.
inline constexpr std::string_view kLineBreak = "\r\n";

}  // namespace worthmere
