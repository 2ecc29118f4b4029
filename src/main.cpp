#include <QApplication>

#include "app/CAureloApp.h"
#include "sound/MidiSystem.h"

int main(int argc, char* argv[]) {
  QApplication qtApp(argc, argv);
  StartLoadingSynth();
  QApplication::setApplicationName("Aurelo");
  CAureloApp app;
  if (!app.InitInstance()) return 1;
  return QApplication::exec();
}
