#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <vector>

namespace worthmere {

// The desktop systems the program is built for, as far as the choice of a platform goes.
enum class TargetSystem {
  Linux,
  OtherUnix,  // the BSDs and other systems whose Qt desktop is X11
  Windows,
  MacOS,
};

// The system this build runs on.
constexpr TargetSystem BuildSystem() {
#if defined(Q_OS_WIN)
  return TargetSystem::Windows;
#elif defined(Q_OS_MACOS)
  return TargetSystem::MacOS;
#elif defined(Q_OS_LINUX)
  return TargetSystem::Linux;
#else
  return TargetSystem::OtherUnix;
#endif
}

// The arguments handed to the application object, which picks the toolkit's platform from them.
// In a Wayland session the toolkit would run the window as a Wayland client, and a Wayland client
// cannot keep itself above other windows; as an X client through Xwayland the desktop's window
// manager keeps it there as on X. So where the toolkit has an X platform (Linux and the other
// Unixes) and the user chose no platform (QT_QPA_PLATFORM or a -platform argument), the program
// asks for X first and for Wayland where no X server answers. Windows and macOS have one platform
// of their own, which the toolkit takes by itself. The choice travels as arguments, not in the
// environment, so the browser the program starts inherits nothing of it.
class PlatformArguments {
 public:
  // platform_variable: the value of QT_QPA_PLATFORM, empty when it is unset.
  PlatformArguments(int argc, char** argv, const QByteArray& platform_variable,
                    TargetSystem system = BuildSystem());

  // For the application object, which keeps both for its whole life; Values()[Count()] is null.
  int& Count() { return count_; }
  char** Values() { return values_.data(); }

 private:
  std::vector<char*> values_;
  int count_ = 0;
};

}  // namespace worthmere
