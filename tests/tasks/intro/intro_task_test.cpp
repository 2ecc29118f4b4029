// The entrance-exam tasks driven through the real program: the two tones, the three answer
// buttons, the hint box, the counters, the panel and the log.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "log/LogLines.h"
#include "tasks/intro/MonoIntroTest.h"
#include "tasks/melody/MelodyTestSupport.h"

namespace {

using namespace melody_test;

class IntroTaskTest : public MelodyApp {
 protected:
  MonoIntroTest& Task() { return dynamic_cast<MonoIntroTest&>(View().Task()); }
  QPushButton* Button(int id) { return qobject_cast<QPushButton*>(View().ChildControl(id)); }
  std::vector<std::string> Captions() {
    std::vector<std::string> out;
    for (int id : intro::kAnswerButtons) out.push_back(Button(id)->text().toStdString());
    return out;
  }
  std::vector<bool> Enabled() {
    std::vector<bool> out;
    for (int id : intro::kAnswerButtons) out.push_back(Button(id)->isEnabled());
    return out;
  }
  // A new task: exactly two tones of one beat each on the first channel, then silence.
  std::pair<int, int> NewTask() {
    Heard();
    const uint32_t start = clock.NowMs();
    Command(cmd::kListenNew);
    const std::vector<Sounded> sounds = Heard();
    EXPECT_EQ(sounds.size(), 2u);
    if (sounds.size() != 2) return {0, 0};
    for (size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(sounds[i].channel, 0);
      EXPECT_EQ(sounds[i].start, start + i * Beat());
      EXPECT_EQ(sounds[i].end, start + (i + 1) * Beat());
    }
    const std::pair<int, int> keys{sounds[0].note - 36, sounds[1].note - 36};
    EXPECT_EQ(Task().firstKey, keys.first);
    EXPECT_EQ(Task().secondKey, keys.second);
    EXPECT_EQ(Task().direction, keys.second > keys.first ? 1 : keys.second < keys.first ? -1 : 0);
    return keys;
  }
  int RightButton() { return intro::kAnswerButtons[static_cast<size_t>(Task().direction + 1)]; }
  std::vector<int> NotesHeard() {
    std::vector<int> notes;
    for (const Sounded& s : Heard()) notes.push_back(s.note);
    return notes;
  }
  // Clicks the button and checks the confirmation click on the tenth channel.
  void Answer(int id) {
    Heard();
    Button(id)->click();
    const std::vector<Sounded> sounds = Heard();
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0].channel, 9);
  }
  // Chooses another task; the log lines that came with it.
  std::vector<std::string> SwitchTo(int type) {
    const size_t from = resultsLog.size();
    Open(type);
    return LogFrom(from);
  }
  std::string Line(int label, int value) { return T(label) + " = " + std::to_string(value); }
  std::vector<std::string> PanelTexts() {
    std::vector<std::string> out;
    for (const DrawnText& t : PaintedTexts(Task(), kWidth, kHeight)) out.push_back(t.text);
    return out;
  }
  bool Painted(const std::string& text) {
    const std::vector<std::string> texts = PanelTexts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
};

TEST_F(IntroTaskTest, Level1SeriesWithRightWrongSkippedTasksAndReplays) {
  Open(13);
  EXPECT_EQ(Hint(), T(126));
  EXPECT_EQ(Bar().ControlText(cmd::kListenNew), T(82));
  EXPECT_EQ(Bar().ControlText(cmd::kTimeMeter), "");
  EXPECT_EQ(Captions(), (std::vector<std::string>{T(293), T(295), T(294)}));
  EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kTempoList));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kKeyList));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kMaxDistanceList));
  EXPECT_TRUE(Painted(T(305))) << "the legend stands until the first answer";
  EXPECT_TRUE(Painted(T(244)));

  std::srand(1);
  const auto [first, second] = NewTask();
  EXPECT_EQ(std::abs(second - first), 3);
  EXPECT_EQ(Hint(), T(144));
  EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true}));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kListenAgain));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kListenNew)) << "a task may be skipped";

  Heard();
  Command(cmd::kListenAgain);
  EXPECT_EQ(NotesHeard(), (std::vector<int>{first + 36, second + 36}));
  EXPECT_FALSE(Painted(T(305))) << "a replay puts the statistics in the legend's place";

  Answer(RightButton());
  EXPECT_EQ(Hint(), T(155));
  EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false}));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenAgain));

  NewTask();  // skipped
  NewTask();
  Answer(intro::kSameButton);  // never right at this level
  EXPECT_EQ(Hint(), T(156));
  EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false}));

  for (const std::string& line : {Line(427, 3), Line(430, 1), Line(433, 2), Line(434, 1)}) {
    EXPECT_TRUE(Painted(line)) << line;
  }
  EXPECT_EQ(SwitchTo(14), (std::vector<std::string>{std::string(36, ' '), Line(427, 3), Line(430, 1), Line(433, 2),
                                             Line(434, 1), T(436) + elapsedTimeText, DashRule(), T(426) + T(245),
                                             EqualsRule()}));
}

TEST_F(IntroTaskTest, EachLevelKeepsItsDistances) {
  const std::vector<std::pair<int, std::set<int>>> levels = {
      {11, {0, 1, 2, 3, 4, 5}}, {12, {4, 5}}, {13, {3}}, {14, {2}}, {15, {0, 1}}};
  for (const auto& [type, distances] : levels) {
    Open(type);
    std::srand(7);
    std::set<int> seen;
    for (int i = 0; i < 120; ++i) {
      const auto [first, second] = NewTask();
      seen.insert(std::abs(second - first));
      EXPECT_LE(std::max(first, second), 36);
    }
    EXPECT_EQ(seen, distances) << "type " << type;
    EXPECT_EQ(View().Task().tasksGiven, 120);
  }
}

TEST_F(IntroTaskTest, Level1FromTheLowestKeyCanOnlyGoUpAMinorThird) {
  Open(13);
  unsigned seed = 1;
  for (std::srand(seed); std::rand() % 37 != 0; std::srand(++seed)) {
  }
  std::srand(seed);
  EXPECT_EQ(NewTask(), std::make_pair(0, 3));
  Answer(intro::kUpButton);
  EXPECT_EQ(Task().solvedFirst, 1);
}

TEST_F(IntroTaskTest, ExplanationLabelsOnlyTheRightButtonAndCountsNothing) {
  Open(11);
  EXPECT_EQ(Hint(), T(124));
  EXPECT_EQ(Bar().ControlText(cmd::kListenNew), T(83));
  EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true}));
  std::srand(4);
  for (int i = 0; i < 12; ++i) {
    NewTask();
    EXPECT_EQ(Hint(), T(143));
    std::vector<std::string> expected(3);
    expected[static_cast<size_t>(Task().direction + 1)] = T(std::array{293, 295, 294}[Task().direction + 1]);
    EXPECT_EQ(Captions(), expected);
    Heard();
    for (int id : intro::kAnswerButtons) Button(id)->click();
    EXPECT_TRUE(Heard().empty());
    EXPECT_EQ(Hint(), T(143));
    EXPECT_EQ(Task().solvedFirst, 0);
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true}));
  }
  Command(cmd::kListenAgain);
  EXPECT_TRUE(Painted(T(296))) << "the explanation always shows its legend";
  EXPECT_EQ(SwitchTo(12), (std::vector<std::string>{T(426) + T(243), EqualsRule()}));
}

TEST_F(IntroTaskTest, ThreeReplaysAtMostAndASettingChangeEndsTheOpenTask) {
  Open(12);
  std::srand(2);
  NewTask();
  for (int i = 0; i < 3; ++i) Command(cmd::kListenAgain);
  EXPECT_EQ(Task().repeatsTotal, 3);
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenAgain));
  Bar().SetListSelection(cmd::kTempoList, 30);
  Command(cmd::kTempoList);
  EXPECT_EQ(Task().tasksGiven, 0);
  EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false})) << "no answer to a task outside the count";
  ASSERT_GE(Log().size(), 2u);
  EXPECT_EQ(Log()[1], Line(427, 1));
  NewTask();
  EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true}));
}

}  // namespace
