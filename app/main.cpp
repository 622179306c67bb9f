#include <QApplication>
#include <QScreen>

#include "app/calculator_window.h"
#include "app/layout_fonts.h"
#include "platform/platform_choice.h"
#include "platform/qt_desktop_services.h"

int main(int argc, char** argv) {
  // Decided before the application object exists, which fixes the platform as it starts.
  worthmere::PlatformArguments arguments(argc, argv, qgetenv("QT_QPA_PLATFORM"));
  QApplication application(arguments.Count(), arguments.Values());
  // The name only; a display name would be appended to every window title.
  QApplication::setApplicationName(QStringLiteral("Worthmere"));
  worthmere::ResolveDesignFamilies();

  worthmere::QtDesktopServices services;
  // Each control shows a design face, but a text box lays out its text in the default face before
  // it gets its own: with a design face as the default meanwhile, no face is loaded in vain.
  const QFont system_font = QApplication::font();
  QApplication::setFont(worthmere::DesignFont(worthmere::DesignFace::Tahoma));
  worthmere::CalculatorWindow window(services);
  QApplication::setFont(system_font);
  services.SetMainWindow(&window);
  if (const QScreen* screen = window.screen()) {
    window.move(screen->availableGeometry().center() - window.rect().center());
  }
  window.show();
  window.activateWindow();
  return application.exec();
}
