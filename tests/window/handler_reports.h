#pragma once

#include <string>
#include <vector>

namespace worthmere::testing {

// Counts the reports handlers make of unexpected exceptions (each still a line on standard error)
// and fails each test after which one is left untaken: a programming error in a handler must not
// pass unseen. Call once, before the tests run.
void CountHandlerReports();

// The reports made since the test started and not yet taken, each "handler: what was thrown",
// taken now: a test that provokes one takes and checks it.
std::vector<std::string> TakeHandlerReports();

}  // namespace worthmere::testing
