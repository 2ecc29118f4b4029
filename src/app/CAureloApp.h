#pragma once
#include <memory>

class CMainFrame;

// The application object: creates the main frame and shows it.
class CAureloApp {
 public:
  CAureloApp();
  ~CAureloApp();
  // Builds the frame (the view loads settings and texts on the way) and shows its window.
  bool InitInstance();
  CMainFrame* MainFrame() const { return frame_.get(); }

 private:
  std::unique_ptr<CMainFrame> frame_;
};
