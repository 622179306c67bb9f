#include <QApplication>
#include <QScreen>

#include "app/calculator_window.h"
#include "app/layout_fonts.h"
#include "platform/qt_desktop_services.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // The name only; a display name would be appended to every window title.
  QApplication::setApplicationName(QStringLiteral("Worthmere"));
  worthmere::ResolveDesignFamilies();

  worthmere::QtDesktopServices services;
  worthmere::CalculatorWindow window(services);
  services.SetMainWindow(&window);
  if (const QScreen* screen = window.screen()) {
    window.move(screen->availableGeometry().center() - window.rect().center());
  }
  window.show();
  window.activateWindow();
  return application.exec();
}
