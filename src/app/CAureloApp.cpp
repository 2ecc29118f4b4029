#include "app/CAureloApp.h"

#include "app/CMainFrame.h"

CAureloApp::CAureloApp() = default;
CAureloApp::~CAureloApp() = default;

bool CAureloApp::InitInstance() {
  frame_ = std::make_unique<CMainFrame>();
  frame_->Create();
  frame_->show();
  frame_->raise();
  return true;
}
