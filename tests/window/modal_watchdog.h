#pragma once

#include <QTimer>

namespace worthmere::testing {

// A test that opens a modal box nobody scripted must fail instead of blocking forever: while it
// lives, any modal box that appears is reported as a failure and closed.
class ModalWatchdog {
 public:
  ModalWatchdog();

 private:
  QTimer timer_;
};

}  // namespace worthmere::testing
