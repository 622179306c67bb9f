#pragma once

#include <string>
#include <vector>

namespace worthmere::testing {

// Passes standard error through a watch (every byte still reaches the terminal at once) and
// fails each test after which a line that a handler wrote for an unexpected exception is left: a
// programming error in a handler must not pass unseen. Call once, before the tests run.
void WatchHandlerReports();

// For a process about to end without exit handlers: whatever it wrote to standard error reaches
// the terminal first, and later writes go there directly.
void PassOnBeforeExit();

// The handler lines written since the test started and not yet taken, taken now: a test that
// provokes such a line takes and checks it.
std::vector<std::string> TakeHandlerReports();

}  // namespace worthmere::testing
