// The tone search tasks driven through the real program: key presses, the task button and
// Enter, the notes sent, the hint box, the counters, the panel and the log.
#include <string>
#include <vector>

#include "log/LogLines.h"
#include "tasks/melody/MelodyCommon.h"
#include "tasks/melody/MonoMelodyTest13_0.h"
#include "tasks/melody/MonoMelodyTest37_0.h"
#include "tasks/melody/MelodyTestSupport.h"

namespace {

using namespace melody_test;

class ToneSearchTest : public MelodyApp, public ::testing::WithParamInterface<int> {
 protected:
  int Keys() const { return GetParam() == 0 ? 13 : 37; }
  QPushButton* Button() { return qobject_cast<QPushButton*>(View().ChildControl(melody::kTaskButton)); }
  int32_t SearchPresses() {
    if (auto* small = dynamic_cast<MonoMelodyTest13_0*>(&View().Task())) return small->searchPresses;
    return dynamic_cast<MonoMelodyTest37_0&>(View().Task()).searchPresses;
  }
  // Starts a search and gives the key of the sounded tone.
  int NewSearch() {
    Heard();
    const uint32_t start = clock.NowMs();
    Command(cmd::kListenNew);
    const std::vector<Sounded> sounds = Heard();
    EXPECT_EQ(sounds.size(), 1u);
    if (sounds.size() != 1) return 0;
    EXPECT_EQ(sounds[0].start, start);
    EXPECT_EQ(sounds[0].end, start + Beat());
    EXPECT_EQ(Hint(), T(136));
    EXPECT_FALSE(Button()->isEnabled());
    return KeyOf(sounds[0].note);
  }
  int Other(int key, int step = 1) const { return (key + step) % Keys(); }
  // The confirmation click: all notes off, then the soft click on the tenth channel.
  void ExpectClick(const std::vector<Sounded>& sounds) {
    ASSERT_FALSE(sounds.empty());
    EXPECT_EQ(sounds[0].channel, 9);
    EXPECT_EQ(sounds[0].note, 37);
  }
};

TEST_P(ToneSearchTest, FivePressesThenTheRightOneThenTheButtonSolves) {
  Open(GetParam());
  EXPECT_EQ(Hint(), T(118));
  ASSERT_NE(Button(), nullptr);
  EXPECT_EQ(Button()->text().toStdString(), T(19));
  EXPECT_FALSE(Bar().IsControlEnabled(cmd::kMaxDistanceList));
  std::srand(3);
  const int target = NewSearch();
  for (int step = 1; step <= 5; ++step) Click(Other(target, step));
  EXPECT_EQ(View().Task().attempt, 1) << "presses are no answers";
  Click(target);
  EXPECT_TRUE(Button()->isEnabled());
  EXPECT_EQ(SearchPresses(), 6);
  Heard();
  Button()->click();
  ExpectClick(Heard());
  EXPECT_EQ(View().Task().solvedFirst, 1);
  EXPECT_EQ(Hint(), T(154));
  EXPECT_FALSE(Button()->isEnabled());
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kKeyList));
  EXPECT_EQ(KeyColour(target), kGreenKey) << "until the next task";
  Click(Other(target));
  EXPECT_EQ(SearchPresses(), 6) << "presses of a closed task do not count";
  EXPECT_FALSE(Button()->isEnabled());
  NewSearch();
  View().UpdateWindow();
  EXPECT_NE(KeyColour(target), kGreenKey);
}

TEST_P(ToneSearchTest, AWrongConfirmationWantsAKeyPressBeforeTheNext) {
  Open(GetParam());
  std::srand(8);
  const int target = NewSearch();
  Click(Other(target));
  Command(cmd::kEnter);
  EXPECT_EQ(Hint(), T(139));
  EXPECT_EQ(View().Task().attempt, 2);
  EXPECT_FALSE(Button()->isEnabled());
  Heard();
  Command(cmd::kEnter);
  Button()->click();
  EXPECT_TRUE(Heard().empty()) << "nothing armed: no click, nothing judged";
  EXPECT_EQ(View().Task().attempt, 2);
  Click(target);
  EXPECT_TRUE(Button()->isEnabled());
  Command(cmd::kEnter);
  EXPECT_EQ(View().Task().solvedSecond, 1);
}

TEST_P(ToneSearchTest, ThreeWrongConfirmationsRevealTheToneInRed) {
  Open(GetParam());
  std::srand(13);
  const int target = NewSearch();
  const int wrong = Other(target);
  Click(wrong);
  Command(cmd::kEnter);
  Click(wrong);
  Command(cmd::kEnter);
  EXPECT_EQ(Hint(), T(140));
  Click(wrong);
  Heard();
  const uint32_t confirmed = clock.NowMs();
  Command(cmd::kEnter);
  EXPECT_EQ(Hint(), T(153));
  EXPECT_EQ(View().Task().attempt, 0);
  const std::vector<Sounded> sounds = Heard();
  ASSERT_EQ(sounds.size(), 2u);
  ExpectClick(sounds);
  EXPECT_EQ(KeyOf(sounds[1].note), target);
  EXPECT_EQ(sounds[1].start, confirmed + Beat());
  EXPECT_EQ(sounds[1].end, confirmed + 2 * Beat());
  EXPECT_EQ(KeyColour(target), kRedKey);
  EXPECT_FALSE(Button()->isEnabled());
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kListenNew));
  // A confirmation with no task open is ignored without a sound.
  Command(cmd::kEnter);
  EXPECT_TRUE(Heard().empty());
}

TEST_P(ToneSearchTest, TempoChangeDuringASearchLogsThePressesAndStartsAgain) {
  Open(GetParam());
  std::srand(21);
  int target = NewSearch();
  Click(target);
  Command(cmd::kEnter);
  target = NewSearch();
  Click(Other(target));
  Click(Other(target, 2));
  Command(cmd::kListenAgain);
  Bar().SetListSelection(cmd::kTempoList, 30);
  Command(cmd::kTempoList);
  EXPECT_EQ(Log(), (std::vector<std::string>{std::string(36, ' '), T(428) + " = 2 / 1", T(431) + " = 1 / 0 / 0",
                                             T(433) + " = 0", T(434) + " = 1", T(435) + " = 3", T(436) + "00:00",
                                             DashRule(), T(422) + "144 Allegro"}));
  const CAbstractT& task = View().Task();
  EXPECT_EQ(SearchPresses(), 0);
  EXPECT_EQ(task.tasksGiven, 0);
  EXPECT_EQ(task.attempt, 0);
  EXPECT_TRUE(task.newTaskEnabled);
  EXPECT_FALSE(Button()->isEnabled());
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kKeyList));
  EXPECT_EQ(Bar().ControlText(cmd::kTimeMeter), "00:00");
}

TEST_P(ToneSearchTest, PanelHasTheKeyPressesLineAndLeavesTheOpenTaskOut) {
  Open(GetParam());
  std::srand(34);
  const int target = NewSearch();
  Click(Other(target));
  Command(cmd::kEnter);
  Click(Other(target));
  Command(cmd::kEnter);
  Click(Other(target));
  Command(cmd::kEnter);  // revealed
  NewSearch();
  Click(target);
  const std::vector<DrawnText> texts = PaintedTexts(View().Task(), kWidth, kHeight);
  const bool small = Keys() == 13;
  const int x = small ? kWidth * 8 / 21 : kWidth / 42;
  const int rowTop = small ? static_cast<int>(kHeight / 3.16) : static_cast<int>(kHeight / 1.49);
  const DrawnText* presses = FindText(texts, T(435) + " = 4");
  ASSERT_NE(presses, nullptr);
  EXPECT_EQ(presses->colour, QColor(192, 0, 0));
  EXPECT_EQ(presses->at.x(), x);
  EXPECT_GT(presses->at.y(), rowTop);
  EXPECT_LT(presses->at.y(), rowTop + 25);
  EXPECT_NE(FindText(texts, T(433) + " = 1"), nullptr) << "the open task is left out";
  Command(TaskTypeAt(GetParam() == 0 ? 5 : 0).commandId);
  EXPECT_EQ(Log()[3], T(433) + " = 1") << "the tone search logs its failures as its panel shows them";
  EXPECT_EQ(Log()[5], T(435) + " = 4");
}

TEST_P(ToneSearchTest, ListenAgainStopsTheToneOnlyOnTheSmallPiano) {
  Open(GetParam());
  const int target = NewSearch();
  const uint32_t start = clock.NowMs();
  Command(cmd::kListenAgain);
  const std::vector<Sounded> sounds = Heard();
  ASSERT_EQ(sounds.size(), 1u);
  EXPECT_EQ(KeyOf(sounds[0].note), target);
  if (Keys() == 13) {
    EXPECT_EQ(sounds[0].end, start + Beat());
  } else {
    EXPECT_FALSE(sounds[0].end) << "the tone sounds on";
  }
  EXPECT_EQ(View().Task().repeatsTotal, 1);
}

TEST_P(ToneSearchTest, TheButtonFollowsTheViewAndGoesWithTheTask) {
  Open(GetParam());
  ASSERT_NE(Button(), nullptr);
  EXPECT_TRUE(View().Task().taskButtonCreated);
  for (const auto& [width, height] : {std::pair{kWidth, kHeight}, std::pair{800, 400}}) {
    View().resize(width, height);
    View().UpdateWindow();
    EXPECT_EQ(Button()->geometry(), QRect(width / 42, static_cast<int>(height / 1.15), width - width / 24,
                                          static_cast<int>(height / 1.025 - height / 1.15)));
  }
  Command(TaskTypeAt(3).commandId);
  EXPECT_EQ(Button(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(BothPianos, ToneSearchTest, ::testing::Values(0, 5));

}  // namespace
