#include <QApplication>
#include <cstdlib>

#include "app/CAureloApp.h"
#include "app/DataFolder.h"
#include "sound/MidiSystem.h"

int main(int argc, char* argv[]) {
  // Looking for a JACK server (sound or MIDI) must not start one: that takes seconds and
  // leaves a server running when the program ends.
  setenv("JACK_NO_START_SERVER", "1", 0);
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
