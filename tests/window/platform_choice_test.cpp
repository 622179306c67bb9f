#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform_choice.h"

namespace worthmere::testing {
namespace {

struct ChoiceRow {
  const char* behaviour;
  bool qt_has_xcb;
  std::vector<std::string> given;
  const char* platform_variable;
  std::vector<std::string> handed_on;
};

TEST(PlatformChoice, XFirstWhereThereIsXUnlessTheUserChoseAPlatform) {
  const ChoiceRow rows[] = {
      {"a toolkit with X (Linux, the BSDs), no choice: X first, Wayland where no X answers",
       true,
       {"worthmere"},
       "",
       {"worthmere", "-platform", "xcb;wayland"}},
      {"no X (Windows, macOS), no choice: the toolkit's own platform",
       false,
       {"worthmere"},
       "",
       {"worthmere"}},
      {"the user's own arguments follow",
       true,
       {"worthmere", "-style", "fusion"},
       "",
       {"worthmere", "-platform", "xcb;wayland", "-style", "fusion"}},
      {"a platform argument is the user's choice",
       true,
       {"worthmere", "-platform", "wayland"},
       "",
       {"worthmere", "-platform", "wayland"}},
      {"so is its double-dash form",
       true,
       {"worthmere", "--platform", "wayland"},
       "",
       {"worthmere", "--platform", "wayland"}},
      {"so is the platform variable", true, {"worthmere"}, "wayland", {"worthmere"}},
  };
  for (const ChoiceRow& row : rows) {
    std::vector<std::string> texts = row.given;
    std::vector<char*> argv;
    for (std::string& text : texts) argv.push_back(text.data());
    PlatformArguments arguments(static_cast<int>(argv.size()), argv.data(),
                                QByteArray(row.platform_variable), row.qt_has_xcb);
    std::vector<std::string> handed_on;
    for (int i = 0; i < arguments.Count(); ++i) handed_on.emplace_back(arguments.Values()[i]);
    EXPECT_EQ(handed_on, row.handed_on) << row.behaviour;
    EXPECT_EQ(arguments.Values()[arguments.Count()], nullptr) << row.behaviour;
  }
}

}  // namespace
}  // namespace worthmere::testing
