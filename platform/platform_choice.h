#pragma once

#include <QByteArray>
#include <vector>

namespace worthmere {

// The arguments handed to the application object, which picks the toolkit's platform from them.
// In a Wayland session the toolkit would run the window as a Wayland client, and a Wayland client
// cannot keep itself above other windows; as an X client through Xwayland the desktop's window
// manager keeps it there as on X. So unless the user chose a platform (QT_QPA_PLATFORM or a
// -platform argument), the program asks for X first and for Wayland where no X server answers.
// The choice travels as arguments, not in the environment, so the browser the program starts
// inherits nothing of it. On a plain X desktop it is the toolkit's own choice.
class PlatformArguments {
 public:
  // platform_variable: the value of QT_QPA_PLATFORM, empty when it is unset.
  PlatformArguments(int argc, char** argv, const QByteArray& platform_variable);

  // For the application object, which keeps both for its whole life; Values()[Count()] is null.
  int& Count() { return count_; }
  char** Values() { return values_.data(); }

 private:
  std::vector<char*> values_;
  int count_ = 0;
};

}  // namespace worthmere
