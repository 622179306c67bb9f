#include "platform/platform_choice.h"

#include <cstring>

namespace worthmere {

namespace {

// The toolkit may reorder the argument pointers, never the texts; these stay as they are.
char kPlatformOption[] = "-platform";
char kXThenWayland[] = "xcb;wayland";

// The toolkit reads "-platform NAME", and "--platform NAME" alike.
bool NamesAPlatform(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

PlatformArguments::PlatformArguments(int argc, char** argv, const QByteArray& platform_variable,
                                     bool qt_has_xcb) {
  values_.assign(argv, argv + argc);
  if (qt_has_xcb && argc > 0 && platform_variable.isEmpty() && !NamesAPlatform(argc, argv)) {
    values_.insert(values_.begin() + 1, {kPlatformOption, kXThenWayland});
  }
  count_ = static_cast<int>(values_.size());
  values_.push_back(nullptr);
}

}  // namespace worthmere
