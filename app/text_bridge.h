#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace worthmere {

// The logic works on UTF-8 std::string; the controls hold QString.
inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace worthmere
