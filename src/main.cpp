#include <QApplication>

#include "app/CAureloApp.h"
#include "app/TaskTable.h"
#include "platform/DataFolder.h"
#include "sound/AudioOutput.h"
#include "sound/MidiSystem.h"

int main(int argc, char* argv[]) {
  ForbidJackServerStart();
  InstallTaskHistoryInfo();
  EnterDataFolder();
  QApplication qtApp(argc, argv);
  StartLoadingSynth();
  QApplication::setApplicationName("Aurelo");
  // The desktop entry: Wayland compositors and task bars take the icon and name from it.
  QGuiApplication::setDesktopFileName("aurelo");
  CAureloApp app;
  if (!app.InitInstance()) return 1;
  return QApplication::exec();
}
