#pragma once

#include <utility>

namespace worthmere {

// An exception leaving an event handler would end the program. Handler bodies run here; the only
// exception expected is running out of memory on an absurdly long text, and the handler then just
// stops where it was.
template <typename Body>
void RunHandler(Body&& body) noexcept {
  try {
    std::forward<Body>(body)();
  } catch (...) {
  }
}

}  // namespace worthmere
