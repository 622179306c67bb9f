#include <QApplication>

#include "app/calculator_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  worthmere::CalculatorWindow window;
  window.show();
  return application.exec();
}
