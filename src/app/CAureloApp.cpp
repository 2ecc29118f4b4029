#include "app/CAureloApp.h"

#include <QApplication>
#include <QTimer>

#include "app/CMainFrame.h"
#include "platform/qt/ProgramIcon.h"
#include "platform/qt/TerminationSignals.h"

CAureloApp::CAureloApp() = default;
CAureloApp::~CAureloApp() = default;

bool CAureloApp::InitInstance() {
  // Logging out, shutting down or Ctrl+C in the terminal close the window as Exit does. A
  // request while the frame is still being built (a start-up message may be waiting) cancels
  // that message and is carried out once the frame stands.
  signals_ = std::make_unique<TerminationSignals>([this] {
    endRequested_ = true;
    if (frameReady_) {
      EndSession();
    } else {
      CMainFrame::CancelModalDialog();
    }
  });
  // The main window, every dialog and message box, and the window list show the program icon.
  QApplication::setWindowIcon(ProgramIcon());
  frame_ = std::make_unique<CMainFrame>();
  frame_->Create();
  frame_->show();
  frame_->raise();
  frameReady_ = true;
  if (endRequested_) QTimer::singleShot(0, [this] { EndSession(); });
  return true;
}

void CAureloApp::EndSession() {
  frame_->EndSession([] { QCoreApplication::exit(0); });
}
