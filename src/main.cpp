#include <QApplication>

#include "app/CAureloApp.h"

int main(int argc, char* argv[]) {
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName("Aurelo");
  CAureloApp app;
  if (!app.InitInstance()) return 1;
  return QApplication::exec();
}
