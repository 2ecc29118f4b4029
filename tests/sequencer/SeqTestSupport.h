#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/CChildView.h"
#include "app/CControlBar.h"
#include "app/TaskTable.h"
#include "commands/CommandIds.h"
#include "music/TempoTables.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiOutput.h"
#include "sound/SteppedTimerService.h"
#include "support/AppFixture.h"
#include "support/CapturingMidiOut.h"

namespace seq_test {

// A note-on heard: channel, MIDI note and the tick of the playback it came at.
struct Heard {
  int channel = 0;
  int note = 0;
  int tick = 0;
  friend bool operator==(const Heard&, const Heard&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const Heard& h) {
  return os << "{ch " << h.channel << ", note " << h.note << ", tick " << h.tick << "}";
}

// The whole program offscreen with the real task of a type, a timer stepped by hand on the
// virtual clock, and what goes out to MIDI captured with its time.
class SeqApp : public AppFixture {
 protected:
  static constexpr int kWidth = 1000;
  static constexpr int kHeight = 500;

  void Open(int type) {
    SetTaskMaker({});
    taskType = static_cast<uint16_t>(type);
    StartProgram();
    View().resize(kWidth, kHeight);
    View().OnTimer(cmd::kTimerDeferredStart);
    View().UpdateWindow();
    out = std::make_unique<CapturingMidiOut>();
    View().SetShowStatus([this](const std::string& text) { statuses.push_back(text); });
  }
  void TearDown() override {
    if (out) View().Task().StopTimer();
    out.reset();
  }

  CAbstractT& Task() { return View().Task(); }
  void Command(int id) { Frame().OnCommand(id); }
  std::string WriteFile(const std::string& name, const std::string& text) {
    const std::string path = (dir.Path() / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  uint32_t TickMs() const { return static_cast<uint32_t>(msPerTick[static_cast<size_t>(tempoIndex)]); }
  // Fires the timer n times.
  void Steps(int n) {
    for (int i = 0; i < n; ++i) timers.Step();
  }
  // The note-ons sent since the last call, with the tick counted from time `startMs`.
  std::vector<Heard> NotesFrom(uint32_t startMs) {
    std::vector<Heard> notes;
    for (const MidiRecord& r : out->Records()) {
      if (r.reset || midi::Kind(r.message) != midi::kNoteOn || midi::Data2(r.message) == 0) continue;
      const int tick = static_cast<int>(r.timeMs - startMs) / static_cast<int>(TickMs());
      notes.push_back({midi::Channel(r.message), midi::Data1(r.message), tick});
    }
    out->Clear();
    return notes;
  }

  SteppedTimerService timers{&clock};
  ScopedTimerService scopedTimers{timers};
  std::unique_ptr<CapturingMidiOut> out;
  // The status bar's lines since the task opened.
  std::vector<std::string> statuses;
};

}  // namespace seq_test
