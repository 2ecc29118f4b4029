#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/TaskTable.h"
#include "sound/AudioOutput.h"

// Widget tests run on Qt's offscreen platform; one application object for the whole run.
// The per-user data folder (where "My melodies" are looked for, and made when a scripted user
// says Yes) is a temporary one, never the home folder of whoever runs the tests.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ForbidJackServerStart();
  InstallTaskHistoryInfo();
  QApplication app(argc, argv);
  const QTemporaryDir dataHome;
  qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
