#pragma once

namespace worthmere::testing {

// GoogleTest passes a run whose --gtest_filter selects nothing, so a renamed test would silently
// drop out of a ctest entry that names it. Call after RUN_ALL_TESTS: returns false, after naming
// each one on stderr, when a name (or pattern) in the filter matched no test that ran.
bool EveryFilteredNameRan();

}  // namespace worthmere::testing
