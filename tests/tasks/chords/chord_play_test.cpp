// The chord playing tasks driven through the program: the chord named and its root marked,
// the tones pressed from the root upwards, the reveal, the counters and the panel.
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tasks/chords/ChordTestSupport.h"

namespace {

using namespace chord_test;

class ChordPlaying : public ChordApp {
 protected:
  // A new task with the given chord; nothing sounds. Returns the keys of its tones.
  std::vector<int> NewTask(int type) {
    Heard();
    Command(cmd::kListenNew);
    EXPECT_TRUE(Heard().empty());
    EXPECT_EQ(Hint(), T(148));
    EXPECT_EQ(Playing().attempt, 1);
    View().UpdateWindow();
    const int root = Playing().chordTones[0];
    Playing().chordType = type;
    Playing().BuildChordTones(root);
    std::vector<int> keys;
    for (int t : TonesOf(Playing())) keys.push_back(t + 12);
    EXPECT_EQ(KeyColour(keys[0]), kGreenKey);
    return keys;
  }
  void PlayKeys(const std::vector<int>& keys) {
    for (int key : keys) Click(key);
  }
};

TEST_F(ChordPlaying, FromRandomToneAttemptsAndReveal) {
  Open(23);
  ChordPlayBaseTest& task = Playing();
  EXPECT_EQ(task.title, T(254));
  EXPECT_EQ(Hint(), T(133));
  for (int id : {cmd::kMaxDistanceList, cmd::kModeList, cmd::kFixIllumination, cmd::kBlockExtramode, cmd::kKeyList}) {
    EXPECT_FALSE(Bar().IsControlEnabled(id)) << id;
  }
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kTempoList));
  std::vector<DrawnText> painted = PaintedTexts(task, kWidth, kHeight);
  for (int id : {323, 324, 325, 326}) EXPECT_NE(FindText(painted, T(id)), nullptr) << id;
  std::srand(17);

  // A triad closes on its third right key.
  std::vector<int> keys = NewTask(0);
  PlayKeys({keys[0], keys[1]});
  EXPECT_EQ(KeyColour(keys[1]), kGreenKey);
  EXPECT_NE(KeyColour(keys[0]), kGreenKey) << "only the last right key stays green";
  Click(keys[2]);
  EXPECT_EQ(task.solvedFirst, 1);
  EXPECT_EQ(Hint(), T(157));
  EXPECT_EQ(task.attempt, 0);
  EXPECT_NE(KeyColour(keys[2]), kGreenKey);

  // Right root, wrong third: attempt 2, back to the root. A four-tone chord closes on the fourth.
  keys = NewTask(6);
  Click(keys[0]);
  Click(keys[1] + 1);
  EXPECT_EQ(task.attempt, 2);
  EXPECT_EQ(Hint(), T(141));
  EXPECT_EQ(task.enteredCount, 0);
  Click(keys[1]);
  EXPECT_EQ(task.attempt, 3) << "the next press must be the root";
  EXPECT_EQ(Hint(), T(140));
  PlayKeys(keys);
  EXPECT_EQ(task.solvedThird, 1);

  // The root an octave higher is wrong; three wrong presses reveal the chord in red.
  keys = NewTask(11);
  Click(keys[0] + 12);
  EXPECT_EQ(Hint(), T(139));
  Click(keys[0]);
  Click(keys[1]);
  Click(keys[2] - 12);
  EXPECT_EQ(Hint(), T(142));
  Heard();
  const uint32_t pressed = clock.NowMs();
  Click(keys[0] + 1);
  EXPECT_EQ(Hint(), T(158));
  EXPECT_EQ(task.attempt, 0);
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kListenNew));
  std::vector<Sounded> sounds = Heard();
  ASSERT_EQ(sounds.size(), 1 + keys.size());
  // One beat after the press and its flash, the arpeggio.
  const uint32_t reveal = pressed + 50 + Beat();
  for (size_t i = 0; i < keys.size(); ++i) {
    const Sounded& s = sounds[i + 1];
    EXPECT_EQ(s.note, keys[i] + 36);
    EXPECT_EQ(s.start, reveal + i * Beat()) << i;
    EXPECT_EQ(s.end, s.start + Beat()) << i;
    EXPECT_EQ(KeyColour(keys[i]), kRedKey) << i;
  }

  // The panel: three lines; the open task is not counted as failed.
  NewTask(0);
  painted = PaintedTexts(task, kWidth, kHeight);
  for (const std::string& line : {T(429) + " = 4 / 2", T(432) + " = 1 / 0 / 1", T(433) + " = 1"}) {
    const DrawnText* found = FindText(painted, line);
    ASSERT_NE(found, nullptr) << line;
    EXPECT_EQ(found->at.x(), kWidth / 42);
  }
  EXPECT_EQ(FindText(painted, T(323)), nullptr) << "the statistics took the legend's place";
  EXPECT_EQ(FindText(painted, T(434) + " = 0"), nullptr);
}

TEST_F(ChordPlaying, FromOneToneHoldsTheKeyBoxWhileOpen) {
  Open(22);
  keyIndex = 9;
  ChordPlayBaseTest& task = Playing();
  EXPECT_EQ(task.title, T(253));
  EXPECT_EQ(Hint(), T(132));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kKeyList));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kModeList));
  std::srand(5);
  std::vector<int> keys = NewTask(4);
  EXPECT_EQ(keys[0], 9 + 12);
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kKeyList));
  PlayKeys(keys);
  EXPECT_EQ(task.solvedFirst, 1);
  EXPECT_EQ(Hint(), T(154));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kKeyList));

  keys = NewTask(2);
  for (int i = 0; i < 3; ++i) Click(keys[0] + 2);
  EXPECT_EQ(Hint(), T(158));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kKeyList));
  // A changed setting ends an open task uncounted and frees the Key box.
  keys = NewTask(2);
  task.ResetStatistics();
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kKeyList));
  EXPECT_EQ(task.attempt, 0);
  keyIndex = 0;
}

// The red message line after each kind of wrong key: the root, a later tone, the third attempt.
TEST_F(ChordPlaying, RedMessagesByStepAndAttempt) {
  Open(23);
  std::srand(5);
  // The red text the clicks leave on the message line.
  const auto redAfter = [](const std::function<void()>& clicks) {
    DrawnTextsHost drawn;
    clicks();
    std::string text;
    for (const DrawnText& t : drawn.Texts()) {
      if (t.colour == QColor(255, 0, 0)) text = t.text;
    }
    return text;
  };
  std::vector<int> keys = NewTask(0);
  const int wrong = keys[0] == 12 ? 13 : 12;
  for (int id : {283, 284, 279}) EXPECT_EQ(redAfter([&] { Click(wrong); }), T(id));
  keys = NewTask(0);
  for (int id : {287, 288}) {
    EXPECT_EQ(redAfter([&] {
                Click(keys[0]);
                Click(keys[1] + 1);
              }),
              T(id));
  }
}

}  // namespace
