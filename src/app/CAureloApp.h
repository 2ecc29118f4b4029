#pragma once
#include <memory>

class CMainFrame;
class TerminationSignals;

// The application object: creates the main frame and shows it.
class CAureloApp {
 public:
  CAureloApp();
  ~CAureloApp();
  // Builds the frame (the view loads settings and texts on the way) and shows its window.
  bool InitInstance();
  CMainFrame* MainFrame() const { return frame_.get(); }

 private:
  void EndSession();

  std::unique_ptr<CMainFrame> frame_;
  std::unique_ptr<TerminationSignals> signals_;
  bool frameReady_ = false;
  bool endRequested_ = false;
};
