#include <QApplication>

#include "app/CAureloApp.h"
#include "sound/MidiSystem.h"

int main(int argc, char* argv[]) {
  StartLoadingSynth();
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName("Aurelo");
  CAureloApp app;
  if (!app.InitInstance()) return 1;
  return QApplication::exec();
}
