#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <vector>

namespace worthmere {

// Whether this system's toolkit has an X platform (xcb): Linux and the other Unixes do; Windows and
// macOS have one platform of their own.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
inline constexpr bool kQtHasXcb = false;
#else
inline constexpr bool kQtHasXcb = true;
#endif

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
                    bool qt_has_xcb = kQtHasXcb);

  // For the application object, which keeps both for its whole life; Values()[Count()] is null.
  int& Count() { return count_; }
  char** Values() { return values_.data(); }

 private:
  std::vector<char*> values_;
  int count_ = 0;
};

}  // namespace worthmere
