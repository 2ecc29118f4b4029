#include <QApplication>
#include <gtest/gtest.h>

#include "sound/AudioOutput.h"

// Widget tests run on Qt's offscreen platform; one application object for the whole run.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ForbidJackServerStart();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
