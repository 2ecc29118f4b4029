// The chord recognition tasks driven through the program: the chord heard, the root pressed
// on the piano, the type named in the scripted dialog, the counters, the panel and the log.
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "log/LogLines.h"
#include "tasks/chords/ChordTestSupport.h"
#include "text/StrFormat.h"

namespace {

using namespace chord_test;

class ChordHearing : public ChordApp {
 protected:
  // A new task; checks that the chord was heard (one tone after another, each one beat
  // with a beat of silence after it; or all together for one beat) and returns its tones.
  std::vector<int> NewTask(bool together) {
    Heard();
    const uint32_t start = clock.NowMs();
    Command(cmd::kListenNew);
    // What the message loop would do next: paint what the task invalidated.
    View().UpdateWindow();
    return ExpectChord(Heard(), start, together);
  }
  std::vector<int> ExpectChord(const std::vector<Sounded>& sounds, uint32_t start, bool together) {
    const std::vector<int> tones = TonesOf(Hearing());
    EXPECT_EQ(ChordKeys(sounds), tones);
    for (size_t i = 0; i < sounds.size(); ++i) {
      EXPECT_EQ(sounds[i].channel, 0);
      const uint32_t on = together ? start : start + 2 * i * Beat();
      EXPECT_EQ(sounds[i].start, on) << i;
      EXPECT_EQ(sounds[i].end, on + Beat()) << i;
    }
    return tones;
  }
  // Makes the open task's chord the given one.
  void SetChord(int root, int type) {
    Hearing().chordType = type;
    Hearing().BuildChordTones(root);
  }
  int WrongKey(int root) { return (root + 1) % 12; }
};

TEST_F(ChordHearing, AlternateChordRootAndTypeAtEachAttempt) {
  Open(19);
  ChordHearTask& task = Hearing();
  EXPECT_EQ(task.title, T(247));
  EXPECT_EQ(Hint(), T(129));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kMaxDistanceList));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kFixIllumination));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kModeList));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kBlockExtramode));
  std::srand(42);
  const uint32_t firstTask = clock.NowMs();

  // Attempt 1: the root, then the type.
  std::vector<int> tones = NewTask(false);
  EXPECT_EQ(Hint(), T(146));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kKeyList));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kModeList));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kListenAgain));
  host.dialogActions.push_back([&](CDialog& d, DialogControls& c) {
    EXPECT_EQ(KeyColour(tones[0]), kGreenKey) << "the root found is green while the type is asked";
    EXPECT_EQ(Hint(), T(151));
    Answer(task.chordType)(d, c);
  });
  Click(tones[0]);
  EXPECT_EQ(task.solvedFirst, 1);
  EXPECT_EQ(Hint(), T(155));
  EXPECT_EQ(task.attempt, 0);
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kKeyList));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kModeList));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenAgain));
  ASSERT_EQ(host.dialogs.size(), 1u);
  EXPECT_EQ(host.dialogs[0].controls.at(1013).items.size(), 4u);
  EXPECT_EQ(DialogHints(), (std::vector<std::string>{T(198)}));
  View().UpdateWindow();
  EXPECT_NE(KeyColour(tones[0]), kGreenKey) << "the root's fill goes with the dialog";

  // Attempt 2 on the root leaves two answers: a wrong type with a replay, then the right one.
  tones = NewTask(false);
  Click(WrongKey(tones[0]));
  EXPECT_EQ(task.attempt, 2);
  EXPECT_EQ(Hint(), T(139));
  size_t from = host.dialogs.size();
  host.dialogActions.push_back(Answer(OtherType(task.chordType), true));
  host.dialogActions.push_back([&](CDialog& d, DialogControls& c) {
    EXPECT_EQ(Hint(), T(150));
    EXPECT_EQ(task.attempt, 3);
    Answer(task.chordType)(d, c);
  });
  Heard();
  Click(tones[0]);
  const std::vector<Sounded> heard = Heard();
  ASSERT_EQ(heard.size(), tones.size() + 1) << "the key pressed, then the replay";
  EXPECT_EQ(ChordKeys({heard.begin() + 1, heard.end()}), tones);
  EXPECT_EQ(DialogHints(from), (std::vector<std::string>{T(198), T(200)}));
  EXPECT_EQ(task.solvedThird, 1);
  EXPECT_EQ(task.repeatsTotal, 1);

  // Root at once, a closed dialog (no attempt used), two wrong types: revealed, chord played.
  tones = NewTask(false);
  from = host.dialogs.size();
  const std::string name = task.chordNames[static_cast<size_t>(task.chordType)];
  host.dialogActions.push_back(ScriptedUiHost::Press(IDCANCEL));
  host.dialogActions.push_back(Answer(OtherType(task.chordType)));
  host.dialogActions.push_back([&](CDialog& d, DialogControls& c) {
    EXPECT_EQ(task.attempt, 2);
    EXPECT_EQ(Hint(), T(149));
    // The second button no longer replays at the last attempt: checked below.
    Answer(OtherType(task.chordType), true)(d, c);
  });
  host.dialogActions.push_back(Answer(OtherType(task.chordType), true));
  Heard();
  Click(tones[0]);
  uint32_t pressed = clock.NowMs();
  EXPECT_EQ(DialogHints(from), (std::vector<std::string>{T(198), T(201), T(199), T(200)}));
  EXPECT_EQ(Hint(), StrFormat("%s %s. %s", T(291).c_str(), name.c_str(), T(154).c_str()));
  EXPECT_EQ(task.attempt, 0);
  EXPECT_EQ(task.repeatsTotal, 2) << "one replay at attempt 2, none at attempt 3";
  std::vector<Sounded> sounds = Heard();
  const size_t n = tones.size();
  ASSERT_EQ(sounds.size(), 1 + n + n);
  // The revealed chord starts one beat after the last answer, which came right after the
  // replay at attempt 2; going back from the end: n tones of two beats, one beat of wait.
  const uint32_t reveal = pressed - 2 * n * Beat();
  EXPECT_EQ(ExpectChord({sounds.end() - static_cast<long>(n), sounds.end()}, reveal, false), tones);
  EXPECT_EQ(sounds[1].start + 2 * n * Beat() + Beat(), reveal) << "replay, one beat, chord";

  // Three wrong roots: the root red, the chord once more, no dialog.
  tones = NewTask(false);
  from = host.dialogs.size();
  Click(WrongKey(tones[0]));
  Click(WrongKey(tones[0]));
  EXPECT_EQ(Hint(), T(140));
  Heard();
  pressed = clock.NowMs();
  Click(WrongKey(tones[0]));
  EXPECT_EQ(Hint(), T(152));
  EXPECT_EQ(host.dialogs.size(), from);
  EXPECT_EQ(KeyColour(tones[0]), kRedKey);
  sounds = Heard();
  ASSERT_EQ(sounds.size(), 1 + tones.size());
  ExpectChord({sounds.begin() + 1, sounds.end()}, pressed + 50 + 2 * Beat(), false);

  // Upper C is the root C. A fifth task stays open: panel and log.
  NewTask(false);
  SetChord(0, 1);
  host.dialogActions.push_back(Answer(1));
  Click(12);
  EXPECT_EQ(task.solvedFirst, 2);
  NewTask(false);
  EXPECT_EQ(task.tasksGiven, 6);
  const std::vector<DrawnText> panel = PaintedTexts(task, kWidth, kHeight);
  for (const std::string& line : {T(429) + " = 6 / 3", T(432) + " = 2 / 0 / 1", T(433) + " = 2", T(434) + " = 2"}) {
    const DrawnText* found = FindText(panel, line);
    ASSERT_NE(found, nullptr) << line;
    EXPECT_EQ(found->at.x(), kWidth * 8 / 21);
  }
  for (int id : {315, 263, 317, 319, 321, 271, 273}) EXPECT_NE(FindText(panel, T(id)), nullptr) << id;
  EXPECT_EQ(FindText(panel, T(278)), nullptr) << "the start prompt is gone";

  View().OnTimer(cmd::kTimerTimeMeter);
  const uint32_t seconds = (clock.NowMs() - firstTask) / 1000;
  const std::string elapsed = StrFormat("%02u:%02u", seconds / 60, seconds % 60);
  Command(TaskTypeAt(20).commandId);
  const std::vector<std::string> log = Log();
  ASSERT_GE(log.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 7),
            (std::vector<std::string>{std::string(36, ' '), T(428) + " = 6 / 3", T(431) + " = 2 / 0 / 1",
                                      T(433) + " = 3", T(434) + " = 2", T(436) + elapsed, DashRule()}));
  EXPECT_EQ(Hearing().title, T(249));
}

TEST_F(ChordHearing, TogetherAndListenAgain) {
  Open(17);
  ChordHearTask& task = Hearing();
  EXPECT_EQ(task.title, T(250));
  std::srand(9);
  const std::vector<int> tones = NewTask(true);
  // Three replays, then "Listen again" is off.
  for (int i = 1; i <= 3; ++i) {
    const uint32_t start = clock.NowMs();
    Command(cmd::kListenAgain);
    for (const MidiRecord& r : out->Records()) {
      if (!r.reset) {
        EXPECT_EQ(r.message & 0xFFFF00FFu, 0x007F0090u) << "note-on, channel 0, velocity 127";
      }
    }
    EXPECT_EQ(ExpectChord(Heard(), start, true), tones);
    EXPECT_EQ(task.repeatsInTask, i);
  }
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenAgain));
  // A wrong type asked with the second button after three replays does not replay.
  host.dialogActions.push_back(Answer((task.chordType + 1) % 15, true));
  host.dialogActions.push_back(Answer(task.chordType));
  Click(tones[0]);
  EXPECT_EQ(Heard().size(), 1u) << "only the key pressed";
  EXPECT_EQ(task.solvedSecond, 1);
  EXPECT_EQ(task.repeatsTotal, 3);
}

TEST_F(ChordHearing, FromOneToneAsksTheTypeAtOnce) {
  Open(18);
  keyIndex = 5;
  ChordHearTask& task = Hearing();
  EXPECT_EQ(task.title, T(252));
  EXPECT_EQ(Hint(), T(131));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kModeList));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kKeyList));
  std::srand(3);
  host.dialogActions.push_back([&](CDialog& d, DialogControls& c) {
    EXPECT_EQ(Hint(), T(147));
    EXPECT_FALSE(Bar().IsControlEnabled(cmd::kKeyList));
    EXPECT_EQ(KeyColour(5), kGreenKey);
    EXPECT_EQ(task.chordTones[0], 5);
    EXPECT_EQ(c.ItemCount(1013), 15);
    Answer(task.chordType)(d, c);
  });
  const uint32_t start = clock.NowMs();
  Command(cmd::kListenNew);
  const std::vector<int> tones = ExpectChord(Heard(), start, true);
  EXPECT_EQ(tones[0], 5);
  EXPECT_EQ(task.solvedFirst, 1);
  EXPECT_EQ(Hint(), T(155));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kKeyList));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kModeList));
  // Clicks on the piano only sound the key.
  Click(5);
  EXPECT_EQ(task.solvedFirst, 1);

  // Three wrong types: revealed.
  Open(21);
  std::srand(4);
  ChordHearTask& alternate = Hearing();
  for (int i = 0; i < 3; ++i) {
    host.dialogActions.push_back([&](CDialog& d, DialogControls& c) { Answer((alternate.chordType + 2) % 15)(d, c); });
  }
  Command(cmd::kListenNew);
  EXPECT_EQ(DialogHints(host.dialogs.size() - 3), (std::vector<std::string>{T(198), T(199), T(200)}));
  const std::string name = alternate.chordNames[static_cast<size_t>(alternate.chordType)];
  EXPECT_EQ(Hint(), StrFormat("%s %s. %s", T(291).c_str(), name.c_str(), T(154).c_str()));
  EXPECT_EQ(alternate.tasksGiven, 1);
  EXPECT_EQ(alternate.solvedFirst + alternate.solvedSecond + alternate.solvedThird, 0);
  EXPECT_EQ(TonesOf(alternate)[0], 5);
  const std::vector<int> keys = ChordKeys(Heard());
  EXPECT_EQ(keys.size(), 2 * TonesOf(alternate).size()) << "the chord, then once more when revealed";
  keyIndex = 0;
}

}  // namespace
