// Generation rules, the control bar set-up and the marks and texts of the melody tasks.
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "music/MusicalTables.h"
#include "tasks/melody/MelodyCommon.h"
#include "tasks/melody/MelodyTestSupport.h"
#include "tasks/melody/MonoMelodyTest13_0.h"
#include "tasks/melody/MonoMelodyTest13_N.h"
#include "tasks/melody/MonoMelodyTest37_0.h"
#include "tasks/melody/MonoMelodyTest37_N.h"

namespace {

using namespace melody_test;

class MelodyRules : public MelodyApp {
 protected:
  // Plays count new tasks on the scale row with the maximum distance and gives every
  // melody to check.
  template <class Task>
  void EachMelody(int type, int count, int row, int distance, const std::function<void(const Task&)>& check) {
    Open(type);
    scaleRow = row;
    maxDistance = distance;
    auto& task = dynamic_cast<Task&>(View().Task());
    for (int i = 0; i < count; ++i) {
      task.OnListenNew();
      check(task);
      task.newTaskEnabled = true;
    }
  }
};

TEST_F(MelodyRules, ChromaticWithDistanceTwoOnThirteenKeys) {
  std::srand(99);
  std::set<int> keys;
  int repeats = 0;
  EachMelody<MonoMelodyTest13_8>(4, 300, -1, 2, [&](const MonoMelodyTest13_8& task) {
    for (size_t i = 0; i < task.tones.size(); ++i) {
      ASSERT_GE(task.tones[i], 0);
      ASSERT_LT(task.tones[i], 13);
      keys.insert(task.tones[i]);
      if (i == 0) continue;
      ASSERT_LE(std::abs(task.tones[i] - task.tones[i - 1]), 2) << "tone " << i;
      repeats += task.tones[i] == task.tones[i - 1];
    }
  });
  EXPECT_EQ(keys.size(), 13u) << "every key of the octave comes";
  EXPECT_GT(repeats, 0) << "a tone may repeat its predecessor";
}

TEST_F(MelodyRules, EveryToneOnTheScaleWithinTheDistance) {
  struct Setting {
    int row;
    int distance;
  };
  for (const Setting s : {Setting{0, 2}, Setting{ScaleRowOf(5, 9), 3}, Setting{24, 5}, Setting{ScaleRowOf(1, 4), 12},
                          Setting{40, 36}}) {
    std::srand(static_cast<unsigned>(s.row * 100 + s.distance));
    std::set<int> keys;
    EachMelody<MonoMelodyTest37_8>(9, 200, s.row, s.distance, [&](const MonoMelodyTest37_8& task) {
      for (size_t i = 0; i < task.tones.size(); ++i) {
        ASSERT_TRUE(InScaleRow(s.row, task.tones[i])) << task.tones[i];
        keys.insert(task.tones[i]);
        if (i > 0) {
          ASSERT_LE(std::abs(task.tones[i] - task.tones[i - 1]), s.distance);
        }
      }
    });
    size_t onScale = 0;
    for (int key = 0; key < 37; ++key) onScale += InScaleRow(s.row, key);
    EXPECT_EQ(keys.size(), onScale) << "all the keys of the scale come, row " << s.row;
  }
}

TEST_F(MelodyRules, SearchedToneAndSingleToneAreOnTheScale) {
  std::srand(5);
  std::set<int> targets;
  EachMelody<MonoMelodyTest13_0>(0, 200, 24, 5, [&](const MonoMelodyTest13_0& task) {
    ASSERT_TRUE(InScaleRow(24, task.targetKey)) << task.targetKey;
    targets.insert(task.targetKey);
  });
  EXPECT_EQ(targets, (std::set<int>{0, 2, 3, 5, 7, 8, 11, 12})) << "C harmonic minor";
  EachMelody<MonoMelodyTest37_1>(6, 200, 24, 5, [&](const MonoMelodyTest37_1& task) {
    ASSERT_TRUE(InScaleRow(24, task.tones[0])) << task.tones[0];
  });
}

TEST_F(MelodyRules, StartEnablesTheControlsEachTaskUses) {
  for (int type = 0; type <= 9; ++type) {
    SCOPED_TRACE(type);
    Open(type);
    for (int id : {cmd::kBlockExtramode, cmd::kFixIllumination, cmd::kKeyList, cmd::kModeList, cmd::kTempoList,
                   cmd::kListenNew}) {
      EXPECT_TRUE(Bar().IsControlEnabled(id)) << id;
    }
    const bool sequence = (type >= 2 && type <= 4) || type >= 7;
    EXPECT_EQ(Bar().IsControlEnabled(cmd::kMaxDistanceList), sequence);
    EXPECT_EQ(Bar().ControlText(cmd::kTimeMeter), "00:00");
    EXPECT_EQ(Bar().ControlText(cmd::kListenNew), T(82));
    EXPECT_EQ(Bar().ControlText(cmd::kListenAgain), T(85));
    EXPECT_EQ(View().Task().playbackMode, kNoPlayback);
    // The next task's Start frees them again.
    Command(cmd::kListenNew);
    EXPECT_FALSE(Bar().IsControlEnabled(cmd::kKeyList));
  }
}

TEST_F(MelodyRules, WrongFifthToneOfEightStartsAgainFromTheFirst) {
  for (int type : {4, 9}) {
    SCOPED_TRACE(type);
    Open(type);
    std::srand(11);
    Command(cmd::kListenNew);
    const std::vector<int> melody = KeysOf(Heard());
    ASSERT_EQ(melody.size(), 8u);
    for (int i = 0; i < 4; ++i) Click(melody[static_cast<size_t>(i)]);
    Click((melody[4] + 1) % Piano().KeyCount());
    EXPECT_EQ(Hint(), T(141));
    EXPECT_EQ(View().Task().attempt, 2);
    EXPECT_NE(KeyColour(melody[3]), kGreenKey) << "the last right tone lost its mark";
    Click(melody[0]);
    EXPECT_EQ(KeyColour(melody[0]), kGreenKey) << "taken as the first tone again";
    EXPECT_EQ(View().Task().attempt, 2);
  }
}

TEST_F(MelodyRules, FixedIlluminationKeepsTheRevealedMelodyRedUntilTheNextTask) {
  Open(3);
  fixKeyIllumination = true;
  std::srand(21);
  Command(cmd::kListenNew);
  const std::vector<int> melody = KeysOf(Heard());
  const int wrong = (melody[0] + 1) % 13;
  for (int i = 0; i < 3; ++i) Click(wrong);
  for (int key : melody) EXPECT_EQ(KeyColour(key), kRedKey) << key;
  Command(cmd::kListenNew);
  for (int key : melody) EXPECT_NE(KeyColour(key), kRedKey) << key;
}

TEST_F(MelodyRules, ClicksOutsideTheKeysOrWithoutATaskAreNotJudged) {
  Open(8);
  Click(5);
  EXPECT_EQ(View().Task().tasksGiven, 0);
  Command(cmd::kListenNew);
  ClickAt({500, 300});  // the message area
  EXPECT_EQ(View().Task().attempt, 1);
  EXPECT_EQ(Hint(), T(138));
}

TEST_F(MelodyRules, AFourthReplayIsImpossible) {
  Open(7);
  Command(cmd::kListenNew);
  for (int i = 0; i < 3; ++i) Command(cmd::kListenAgain);
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenAgain));
  Heard();
  Command(cmd::kListenAgain);
  EXPECT_TRUE(Heard().empty());
  EXPECT_EQ(View().Task().repeatsTotal, 3);
}

TEST_F(MelodyRules, ASettingChangeEndsTheOpenTaskUncountedAndFreesKeyAndMode) {
  Open(2);
  Command(cmd::kListenNew);
  Bar().SetListSelection(cmd::kMaxDistanceList, 0);
  Command(cmd::kMaxDistanceList);
  EXPECT_EQ(View().Task().attempt, 0);
  EXPECT_EQ(View().Task().tasksGiven, 0);
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kKeyList));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kModeList));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kListenNew));
  EXPECT_EQ(Log().size(), 8u) << "statistics block, then the change line";
  EXPECT_EQ(Log().back(), T(423) + "2");
}

// The 13-key piano keeps its legend and shows the start prompt on the message line until
// the first evaluated key press; on the 37-key piano the statistics take the legend's place.
TEST_F(MelodyRules, LegendPromptAndPanelBeforeAndAfterTheFirstAnswer) {
  for (int type : {2, 7}) {
    SCOPED_TRACE(type);
    Open(type);
    const bool small = type == 2;
    CAbstractT& task = View().Task();
    std::vector<DrawnText> texts = PaintedTexts(task, kWidth, kHeight);
    auto find = [&texts](const std::string& text) { return FindText(texts, text); };
    ASSERT_NE(find(T(258)), nullptr);
    EXPECT_EQ(find(T(258))->at.x(), kWidth / 42);
    EXPECT_NE(find(T(277)), nullptr) << "legend line 10";
    EXPECT_EQ(find(T(278)) != nullptr, small);
    EXPECT_EQ(find(T(429) + " = 0 / 0") != nullptr, small);

    Command(cmd::kListenNew);
    Click((KeysOf(Heard())[0] + 1) % Piano().KeyCount());
    texts = PaintedTexts(task, kWidth, kHeight);
    EXPECT_EQ(find(T(258)) != nullptr, small);
    EXPECT_EQ(find(T(278)), nullptr);
    EXPECT_NE(find(T(433) + " = 0"), nullptr) << "the open task is no failure yet";
  }
}

}  // namespace
