// The entrance-exam tasks driven through the real program: the two tones, the three answer
// buttons, the hint box, the counters, the panel and the log.
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
using Flags = std::vector<bool>;

class IntroTaskTest : public MelodyApp {
 protected:
  MonoIntroTest& Task() { return dynamic_cast<MonoIntroTest&>(View().Task()); }
  QPushButton* Button(int id) { return qobject_cast<QPushButton*>(View().ChildControl(id)); }
  Flags Enabled() {
    Flags out;
    for (int id : intro::kAnswerButtons) out.push_back(Button(id)->isEnabled());
    return out;
  }
  // A new task: two tones of one beat each on the first channel, then silence.
  std::pair<int, int> NewTask() {
    Heard();
    const uint32_t start = clock.NowMs();
    Command(cmd::kListenNew);
    const std::vector<Sounded> sounds = Heard();
    EXPECT_EQ(sounds.size(), 2u);
    if (sounds.size() != 2) return {0, 0};
    for (uint32_t i = 0; i < 2; ++i) {
      EXPECT_EQ(sounds[i].channel, 0);
      EXPECT_EQ(sounds[i].start, start + i * Beat());
      EXPECT_EQ(sounds[i].end, start + (i + 1) * Beat());
    }
    const int first = sounds[0].note - 36;
    const int second = sounds[1].note - 36;
    EXPECT_EQ(Task().direction, second > first ? 1 : second < first ? -1 : 0);
    return {first, second};
  }
  int RightButton() { return intro::kAnswerButtons[static_cast<size_t>(Task().direction + 1)]; }
  // Clicks the button: the answer is acknowledged by the soft click on the tenth channel.
  void Answer(int id) {
    Heard();
    Button(id)->click();
    const std::vector<Sounded> sounds = Heard();
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0].channel, 9);
  }
  std::vector<std::string> SwitchTo(int type) {
    const size_t from = resultsLog.size();
    Open(type);
    return LogFrom(from);
  }
  std::string Line(int label, int value) { return T(label) + " = " + std::to_string(value); }
  // Whether the answer message line shows text of the colour.
  bool MessageShows(QRgb colour) {
    const Rect c = Task().clientRect;
    const QImage& image = View().BackBuffer();
    for (int y = static_cast<int>(c.bottom / 2.27); y < static_cast<int>(c.bottom / 2.01); ++y) {
      for (int x = 0; x < c.right; ++x) {
        if (image.pixel(x, y) == colour) return true;
      }
    }
    return false;
  }
  bool Painted(const std::string& text) { return FindText(PaintedTexts(Task(), kWidth, kHeight), text) != nullptr; }
};

TEST_F(IntroTaskTest, Level1SeriesWithRightWrongSkippedTasksAndReplays) {
  Open(13);
  EXPECT_EQ(Hint(), T(126));
  EXPECT_EQ(Enabled(), Flags(3, false));
  EXPECT_TRUE(Painted(T(305)));
  std::srand(1);
  const auto [first, second] = NewTask();
  EXPECT_EQ(std::abs(second - first), 3);
  EXPECT_EQ(Hint(), T(144));
  EXPECT_EQ(Enabled(), Flags(3, true));
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kListenNew)) << "a task may be skipped";

  Heard();
  Command(cmd::kListenAgain);
  EXPECT_EQ(Heard().size(), 2u);
  EXPECT_FALSE(Painted(T(305))) << "a replay puts the statistics in the legend's place";
  Answer(RightButton());
  EXPECT_EQ(Hint(), T(155));
  EXPECT_TRUE(MessageShows(0xFF008000));
  EXPECT_EQ(Enabled(), Flags(3, false)) << "one answer per task";
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenAgain));

  NewTask();  // skipped
  EXPECT_FALSE(MessageShows(0xFF008000)) << "the message goes with the next task";
  NewTask();
  Answer(intro::kSameButton);  // never right at this level
  EXPECT_EQ(Hint(), T(156));
  EXPECT_TRUE(MessageShows(0xFFC00000));
  EXPECT_EQ(Enabled(), Flags(3, false));
  EXPECT_TRUE(Painted(Line(433, 2)));
  EXPECT_EQ(SwitchTo(14),
            (std::vector<std::string>{std::string(36, ' '), Line(427, 3), Line(430, 1), Line(433, 2), Line(434, 1),
                                      T(436) + elapsedTimeText, DashRule(), T(426) + T(245), EqualsRule()}));
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
    }
    EXPECT_EQ(seen, distances) << "type " << type;
  }
  // From the lowest key a minor third can only go up.
  Open(13);
  unsigned seed = 1;
  for (std::srand(seed); std::rand() % 37 != 0; std::srand(++seed)) {
  }
  std::srand(seed);
  EXPECT_EQ(NewTask(), std::make_pair(0, 3));
}

TEST_F(IntroTaskTest, ExplanationLabelsOnlyTheRightButtonAndCountsNothing) {
  Open(11);
  EXPECT_EQ(Bar().ControlText(cmd::kListenNew), T(83));
  std::srand(4);
  for (int i = 0; i < 12; ++i) {
    NewTask();
    EXPECT_EQ(Hint(), T(143));
    for (size_t b = 0; b < 3; ++b) {
      const std::string caption = Button(intro::kAnswerButtons[b])->text().toStdString();
      EXPECT_EQ(caption, b == static_cast<size_t>(Task().direction + 1) ? T(std::array{293, 295, 294}[b]) : "");
    }
    Heard();
    for (int id : intro::kAnswerButtons) Button(id)->click();
    EXPECT_TRUE(Heard().empty());
    EXPECT_EQ(Hint(), T(143));
    EXPECT_EQ(Enabled(), Flags(3, true));
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
  EXPECT_EQ(Enabled(), Flags(3, false)) << "no answer to a task outside the count";
  ASSERT_GE(Log().size(), 2u);
  EXPECT_EQ(Log()[1], Line(427, 1));
  NewTask();
  EXPECT_EQ(Enabled(), Flags(3, true));
}

}  // namespace
