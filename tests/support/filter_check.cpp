#include "support/filter_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace worthmere::testing {
namespace {

// GoogleTest's filter wildcards: '*' any run of characters, '?' one character.
bool Matches(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return name.empty();
  if (pattern.front() == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (Matches(pattern.substr(1), name.substr(skip))) return true;
    }
    return false;
  }
  if (name.empty() || (pattern.front() != '?' && pattern.front() != name.front())) return false;
  return Matches(pattern.substr(1), name.substr(1));
}

// The names before the first '-' of the filter: "A.B:C.*-D.E" gives "A.B" and "C.*".
std::vector<std::string> PositiveNames(const std::string& filter) {
  std::string positive = filter.substr(0, filter.find('-'));
  if (positive.empty()) positive = "*";
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= positive.size()) {
    const std::size_t end = std::min(positive.find(':', start), positive.size());
    if (end > start) names.push_back(positive.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

std::vector<std::string> TestsThatRan() {
  std::vector<std::string> ran;
  const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
  for (int i = 0; i < unit.total_test_suite_count(); ++i) {
    const ::testing::TestSuite& suite = *unit.GetTestSuite(i);
    for (int j = 0; j < suite.total_test_count(); ++j) {
      const ::testing::TestInfo& test = *suite.GetTestInfo(j);
      if (test.should_run()) ran.push_back(std::string(suite.name()) + "." + test.name());
    }
  }
  return ran;
}

}  // namespace

bool EveryFilteredNameRan() {
  const std::vector<std::string> names = PositiveNames(GTEST_FLAG_GET(filter));
  const std::vector<std::string> ran = TestsThatRan();
  bool every = true;
  for (const std::string& name : names) {
    bool found = false;
    for (const std::string& test : ran) found = found || Matches(name, test);
    if (!found) {
      std::fprintf(stderr, "no test ran for \"%s\" of --gtest_filter (%zu names, %zu tests ran)\n",
                   name.c_str(), names.size(), ran.size());
      every = false;
    }
  }
  return every;
}

}  // namespace worthmere::testing
