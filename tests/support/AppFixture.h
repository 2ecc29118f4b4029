#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/CMainFrame.h"
#include "platform/Clock.h"
#include "platform/ScriptedUiHost.h"
#include "support/ScriptedMidiSystem.h"
#include "support/TempDir.h"

// A whole program offscreen: frame, control bar, view and status bar, in a fresh working
// folder with the shipped language files, on a virtual clock. Tasks of the types listed in
// spyTypes are SpyTask objects recording into calls.
class AppFixture : public ::testing::Test {
 protected:
  AppFixture();
  ~AppFixture() override;

  // Builds and creates the frame (the view reads the settings and language files on the way).
  void StartProgram();
  CMainFrame& Frame() { return *frame_; }
  CChildView& View();
  std::vector<std::string> LogFrom(size_t first) const;

  TempWorkDir dir;
  VirtualClock clock{5000};
  ScriptedUiHost host;
  // The MIDI devices the deferred start opens; what the program sends lands in midi.log.sent.
  ScriptedMidiSystem midi;
  std::vector<std::string> calls;
  std::vector<int> spyTypes;

 private:
  ScopedClock scopedClock_{clock};
  ScopedUiHost scopedHost_{host};
  std::unique_ptr<CMainFrame> frame_;
};
