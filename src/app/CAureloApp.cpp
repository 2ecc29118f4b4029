#include "app/CAureloApp.h"

#include <QApplication>

#include "app/CMainFrame.h"
#include "platform/qt/ProgramIcon.h"

CAureloApp::CAureloApp() = default;
CAureloApp::~CAureloApp() = default;

bool CAureloApp::InitInstance() {
  // The main window, every dialog and message box, and the window list show the program icon.
  QApplication::setWindowIcon(ProgramIcon());
  frame_ = std::make_unique<CMainFrame>();
  frame_->Create();
  frame_->show();
  frame_->raise();
  return true;
}
