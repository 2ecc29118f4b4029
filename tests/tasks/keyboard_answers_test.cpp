// Answers played on a hardware MIDI keyboard: scripted note messages through the MIDI-in
// boundary give the same counters, hints and log lines as clicks on the on-screen keys; notes
// outside the piano; the messages that never reach a task.
#include <QCoreApplication>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "sound/MidiInParser.h"
#include "tasks/base/KeyboardNotes.h"
#include "tasks/chords/ChordTestSupport.h"
#include "tasks/melody/MonoMelodyTest13_0.h"
#include "text/TextIds.h"

namespace {

using namespace chord_test;
using Press = std::function<void(int key)>;

// What one run of a task left behind.
struct Outcome {
  int32_t given = 0, first = 0, second = 0, third = 0, attempt = 0, replays = 0;
  std::vector<std::string> hints;
  std::vector<std::string> log;
  bool operator==(const Outcome&) const = default;
};

class KeyboardAnswers : public ChordApp {
 protected:
  // A key of the current task's piano pressed on the keyboard: note-on, then note-off as
  // keyboards send it (note-on with velocity 0), each through the input's thread boundary.
  void PlayKey(int key) { PlayNote(key + NoteOfKey0()); }
  void PlayNote(int note) {
    ASSERT_NE(midi.log.sink, nullptr) << "the keyboard's input is open";
    midi.log.sink(midi::Pack(midi::kNoteOn, static_cast<uint32_t>(note), 90));
    QCoreApplication::processEvents();
    midi.log.sink(midi::Pack(midi::kNoteOn, static_cast<uint32_t>(note), 0));
    QCoreApplication::processEvents();
  }
  int NoteOfKey0() {
    if (dynamic_cast<ChordHearTask*>(&View().Task())) return kChordNote;
    return Piano().KeyCount() == 13 ? 60 : 36;
  }
  Press Clicks() {
    return [this](int key) { Click(key); };
  }
  Press Keys() {
    return [this](int key) { PlayKey(key); };
  }

  // The task of the type chosen anew, the scenario run with a seed, then its statistics.
  Outcome Run(int type, const std::function<void(Press, Outcome&)>& scenario, Press press) {
    Open(type, true);
    std::srand(5);
    Outcome o;
    scenario(press, o);
    CAbstractT& task = View().Task();
    o.given = task.tasksGiven;
    o.first = task.solvedFirst;
    o.second = task.solvedSecond;
    o.third = task.solvedThird;
    o.attempt = task.attempt;
    o.replays = task.repeatsTotal;
    const size_t from = resultsLog.size();
    task.WriteStatistics();
    o.log.assign(resultsLog.begin() + static_cast<std::ptrdiff_t>(from), resultsLog.end());
    return o;
  }
};

TEST_F(KeyboardAnswers, EveryFamilySolvedAndFailedAsWithClicks) {
  struct Case {
    const char* name;
    std::vector<int> types;
    std::function<void(Press, Outcome&)> scenario;
  };
  const auto search = [this](Press press, Outcome& o) {
    auto& t = *this;
    for (int task = 0; task < 2; ++task) {
      t.Heard();
      t.Command(cmd::kListenNew);
      const int target = t.KeyOf(t.Heard().at(0).note);
      const int wrong = (target + 1) % t.Piano().KeyCount();
      // The first task found at the second confirmation, the second one never.
      for (int step = 0; step < 3; ++step) {
        press(task == 0 && step == 1 ? target : wrong);
        t.Command(cmd::kEnter);
        o.hints.push_back(t.Hint());
        if (t.View().Task().attempt == 0) break;
      }
    }
  };
  const auto melody = [this](Press press, Outcome& o) {
    auto& t = *this;
    t.Heard();
    t.Command(cmd::kListenNew);
    const std::vector<int> tones = t.KeysOf(t.Heard());
    press(tones[0]);
    press((tones[1] + 1) % t.Piano().KeyCount());
    o.hints.push_back(t.Hint());
    for (int key : tones) press(key);
    o.hints.push_back(t.Hint());
    // A second melody failed at every attempt.
    t.Command(cmd::kListenNew);
    const std::vector<int> next = t.KeysOf(t.Heard());
    for (int n = 0; n < 3; ++n) press((next[0] + 1) % t.Piano().KeyCount());
    o.hints.push_back(t.Hint());
  };
  const auto root = [this](Press press, Outcome& o) {
    auto& t = *this;
    t.Command(cmd::kListenNew);
    const int r = t.Hearing().chordTones[0];
    press((r + 1) % 12);
    o.hints.push_back(t.Hint());
    t.host.dialogActions.push_back(Answer(t.Hearing().chordType));
    press(r);
    o.hints.push_back(t.Hint());
    t.Command(cmd::kListenNew);
    const int r2 = t.Hearing().chordTones[0];
    for (int n = 0; n < 3; ++n) press((r2 + 1) % 12);
    o.hints.push_back(t.Hint());
  };
  const auto chordPlay = [this](Press press, Outcome& o) {
    auto& t = *this;
    t.Command(cmd::kListenNew);
    std::vector<int> keys;
    for (int tone : TonesOf(t.Playing())) keys.push_back(tone + 12);
    press(keys[0]);
    press(keys[1] + 1);
    o.hints.push_back(t.Hint());
    for (int key : keys) press(key);
    o.hints.push_back(t.Hint());
  };
  const std::vector<Case> cases = {
      {"tone search", {0, 5}, search},
      {"melody repetition", {2, 3, 8}, melody},
      {"chord recognition root", {16, 19}, root},
      {"chord playing", {22, 23}, chordPlay},
  };
  for (const Case& c : cases) {
    for (int type : c.types) {
      SCOPED_TRACE(std::string(c.name) + ", type " + std::to_string(type));
      const Outcome clicked = Run(type, c.scenario, Clicks());
      const Outcome played = Run(type, c.scenario, Keys());
      EXPECT_EQ(played, clicked);
      EXPECT_GE(clicked.given, 1);
      EXPECT_EQ(clicked.first + clicked.second + clicked.third, 1) << "one solved, the other failed";
      EXPECT_FALSE(clicked.log.empty());
    }
  }
}

TEST_F(KeyboardAnswers, ANoteIsEchoedFlashesItsKeyAndArmsTheSearch) {
  Open(0, true);
  std::srand(2);
  Command(cmd::kListenNew);
  const int target = KeyOf(Heard().at(0).note);
  auto& task = dynamic_cast<MonoMelodyTest13_0&>(View().Task());
  out->Clear();
  PlayKey(target);
  // The echo is the key's sound: the keyboard's own messages, unchanged, nothing more.
  EXPECT_EQ(out->Messages(), (std::vector<uint32_t>{midi::Pack(0x90, 60 + target, 90), midi::Pack(0x90, 60 + target, 0)}));
  EXPECT_EQ(task.pressedKey, target);
  EXPECT_EQ(task.searchPresses, 1);
  EXPECT_EQ(task.lastKey, target);
  Command(cmd::kEnter);
  EXPECT_EQ(task.solvedFirst, 1);
}

TEST_F(KeyboardAnswers, NotesOutsideThePianoTakeAnOctaveOnlyWhereThereIsNoDoubt) {
  Open(0, true);
  std::srand(9);
  Command(cmd::kListenNew);
  const int target = KeyOf(Heard().at(0).note);
  auto& task = dynamic_cast<MonoMelodyTest13_0&>(View().Task());
  // An octave below the one-octave piano is its key.
  PlayNote(60 + target - 12);
  EXPECT_EQ(task.pressedKey, target);
  EXPECT_EQ(task.searchPresses, 1);
  // Two octaves away: where to play, nothing counted.
  const std::string hint = Hint();
  PlayNote(60 + target - 24);
  EXPECT_EQ(Hint(), T(txt::kKeyboardPlayBetween) + "C3 - C6");
  EXPECT_EQ(task.searchPresses, 1);
  EXPECT_EQ(task.attempt, 1);
  // With the measured keyboard (C2 upwards) the hint says at which of its C's to begin.
  keyboardLowNote = 36;
  keyboardHighNote = 96;
  PlayNote(100);
  EXPECT_EQ(Hint(), T(txt::kKeyboardPlayBetween) + "C3 - C6. " + T(txt::kKeyboardFromC) + "2");

  // The three-octave piano takes nothing outside itself.
  Open(5, true);
  std::srand(9);
  Command(cmd::kListenNew);
  PlayNote(73);
  EXPECT_EQ(Hint(), T(txt::kKeyboardPlayBetween) + "C2 - C5. " + T(txt::kKeyboardFromC) + "1");
  EXPECT_EQ(View().Task().attempt, 1);
}

TEST(KeyboardNotes, OctaveRuleByPiano) {
  struct Case {
    int note, key0, keys, key;
  };
  for (const Case& c : {Case{60, 60, 13, 0}, Case{72, 60, 13, 12}, Case{48, 60, 13, 0}, Case{59, 60, 13, 11},
                        Case{84, 60, 13, 12}, Case{73, 60, 13, 1}, Case{47, 60, 13, -1}, Case{85, 60, 13, -1},
                        Case{36, 48, 13, 0}, Case{61, 48, 13, 1}, Case{35, 48, 13, -1}, Case{36, 36, 37, 0},
                        Case{72, 36, 37, 36}, Case{35, 36, 37, -1}, Case{73, 36, 37, -1}}) {
    EXPECT_EQ(KeyForKeyboardNote(c.note, c.key0, c.keys).key, c.key) << c.note << " on " << c.key0 << "/" << c.keys;
  }
  EXPECT_EQ(NoteName(60), "C4");
  EXPECT_EQ(NoteName(61), "C#4");
  EXPECT_EQ(NoteName(21), "A0");
}

TEST(MidiInParser, RunningStatusCompletedRealTimeAndSystemMessagesDropped) {
  MidiInParser parser;
  std::vector<uint32_t> got;
  const auto collect = [&](uint32_t m) { got.push_back(m); };
  // Note-on C4, then E4 and C4 off by running status, with a clock and active sensing between.
  const std::vector<uint8_t> stream = {0x90, 0x3C, 0x40, 0xF8, 0x40, 0x50, 0x3C, 0xFE, 0x00,
                                       // system exclusive ends the running status: its data and
                                       // the bytes after it are dropped until a new status
                                       0xF0, 0x7E, 0x01, 0xF7, 0x41, 0x42,
                                       // program change (one data byte) twice by running status
                                       0xC0, 0x05, 0x06,
                                       // a message split over two deliveries
                                       0x80, 0x3C};
  parser.Feed(stream.data(), stream.size(), collect);
  const uint8_t rest[] = {0x00, 0xFF};
  parser.Feed(rest, sizeof rest, collect);
  EXPECT_EQ(got, (std::vector<uint32_t>{0x403C90, 0x504090, 0x003C90, 0x05C0, 0x06C0, 0x003C80}));
}

}  // namespace
