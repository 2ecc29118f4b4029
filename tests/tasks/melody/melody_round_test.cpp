// The melody repetition tasks driven through the real program: control-bar commands, clicks
// on the keys of the view, the notes sent, the hint box, the counters, the panel and the log.
#include <array>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "log/LogLines.h"
#include "music/MusicalTables.h"
#include "tasks/melody/MelodyCommon.h"
#include "tasks/melody/MelodyTestSupport.h"
#include "tasks/melody/MonoMelodyTest13_N.h"
#include "tasks/melody/MonoMelodyTest37_N.h"
#include "text/StrFormat.h"

namespace {

using namespace melody_test;

struct MelodyCase {
  int type;
  int keys;
  size_t length;
  int title;
  melody::MelodyKind kind;
};

void PrintTo(const MelodyCase& c, std::ostream* os) { *os << "type " << c.type; }

class MelodySeries : public MelodyApp, public ::testing::WithParamInterface<MelodyCase> {
 protected:
  const MelodyCase& Case() const { return GetParam(); }
  // MonoMelodyTest37_1 leaves its tone sounding after playing it.
  bool HoldsTone() const { return Case().type == 6; }

  // Checks that the melody was played on the first channel, one beat per tone from start on.
  std::vector<int> ExpectPlayed(const std::vector<Sounded>& sounds, uint32_t start) {
    EXPECT_EQ(sounds.size(), Case().length);
    for (size_t i = 0; i < sounds.size(); ++i) {
      EXPECT_EQ(sounds[i].channel, 0);
      EXPECT_EQ(sounds[i].start, start + i * Beat()) << "tone " << i;
      if (HoldsTone()) {
        EXPECT_FALSE(sounds[i].end) << "the tone sounds on";
      } else {
        EXPECT_EQ(sounds[i].end, start + (i + 1) * Beat()) << "tone " << i;
      }
    }
    return KeysOf(sounds);
  }

  std::vector<int> NewTask() {
    Heard();
    const uint32_t start = clock.NowMs();
    Command(cmd::kListenNew);
    const std::vector<int> melody = ExpectPlayed(Heard(), start);
    EXPECT_EQ(Hint(), T(Case().kind.hintAfterNew));
    EXPECT_FALSE(Bar().IsControlEnabled(cmd::kKeyList));
    EXPECT_FALSE(Bar().IsControlEnabled(cmd::kModeList));
    EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenNew));
    EXPECT_TRUE(Bar().IsControlEnabled(cmd::kListenAgain));
    EXPECT_EQ(View().Task().attempt, 1);
    return melody;
  }

  // Plays the melody back; every tone but the last turns green, the last one ends the task.
  void PlayBack(const std::vector<int>& melody) {
    for (size_t i = 0; i + 1 < melody.size(); ++i) {
      Click(melody[i]);
      EXPECT_EQ(KeyColour(melody[i]), kGreenKey) << "tone " << i;
    }
    Heard();
    const uint32_t clicked = clock.NowMs();
    Click(melody.back());
    // The last key sounds through its 50 ms flash and one beat, then all notes stop.
    const std::vector<Sounded> sounds = Heard();
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0].start, clicked);
    EXPECT_EQ(sounds[0].end, clicked + 50 + Beat());
    EXPECT_NE(KeyColour(melody.back()), kGreenKey) << "the green mark goes after one beat";
    EXPECT_EQ(Hint(), T(154));
    EXPECT_EQ(View().Task().attempt, 0);
    EXPECT_TRUE(Bar().IsControlEnabled(cmd::kKeyList));
    EXPECT_TRUE(Bar().IsControlEnabled(cmd::kModeList));
    EXPECT_TRUE(Bar().IsControlEnabled(cmd::kListenNew));
    EXPECT_FALSE(Bar().IsControlEnabled(cmd::kListenAgain));
  }

  int WrongFor(int key) const { return (key + 1) % Case().keys; }
};

TEST_P(MelodySeries, SolvedAtEachAttemptThenRevealedThenLogged) {
  Open(Case().type);
  CAbstractT& task = View().Task();
  EXPECT_EQ(task.title, T(Case().title));
  EXPECT_EQ(Hint(), T(Case().kind.startHint));
  EXPECT_EQ(Bar().IsControlEnabled(cmd::kMaxDistanceList), Case().length > 1);
  std::srand(1234u + static_cast<unsigned>(Case().type));

  // Attempt 1.
  const uint32_t firstTask = clock.NowMs();
  PlayBack(NewTask());
  EXPECT_EQ(task.solvedFirst, 1);

  // Attempt 2: a wrong first key.
  std::vector<int> melody = NewTask();
  Click(WrongFor(melody[0]));
  EXPECT_EQ(Hint(), T(139));
  EXPECT_EQ(task.attempt, 2);
  PlayBack(melody);
  EXPECT_EQ(task.solvedSecond, 1);

  // Attempt 3, with a replay: a wrong first key, then a wrong later tone (or a second wrong tone).
  melody = NewTask();
  const uint32_t replay = clock.NowMs();
  Command(cmd::kListenAgain);
  EXPECT_EQ(ExpectPlayed(Heard(), replay), melody);
  EXPECT_EQ(task.repeatsTotal, 1);
  Click(WrongFor(melody[0]));
  if (melody.size() > 1) {
    Click(melody[0]);
    Click(WrongFor(melody[1]));
    EXPECT_EQ(Hint(), T(142));
  } else {
    Click(WrongFor(melody[0]));
    EXPECT_EQ(Hint(), T(140));
  }
  EXPECT_EQ(task.attempt, 3);
  PlayBack(melody);
  EXPECT_EQ(task.solvedThird, 1);

  // Three wrong attempts: the melody is played once more, one beat after the last wrong key.
  melody = NewTask();
  Click(WrongFor(melody[0]));
  Click(WrongFor(melody[0]));
  EXPECT_EQ(Hint(), T(140));
  Heard();
  const uint32_t lastWrong = clock.NowMs();
  Click(WrongFor(melody[0]));
  EXPECT_EQ(Hint(), T(153));
  EXPECT_EQ(task.attempt, 0);
  std::vector<Sounded> sounds = Heard();
  ASSERT_EQ(sounds.size(), melody.size() + 1);
  EXPECT_EQ(sounds[0].end, lastWrong + 50 + Beat()) << "the wrong key sounds until the melody";
  sounds.erase(sounds.begin());
  const uint32_t revealStart = lastWrong + 50 + Beat();
  for (size_t i = 0; i < sounds.size(); ++i) {
    EXPECT_EQ(KeyOf(sounds[i].note), melody[i]);
    EXPECT_EQ(sounds[i].start, revealStart + i * Beat());
    EXPECT_EQ(sounds[i].end, revealStart + (i + 1) * Beat());
  }
  // A single tone stays red until the next task; a melody's keys only with "Fix key illumination".
  for (int key : melody) EXPECT_EQ(KeyColour(key) == kRedKey, melody.size() == 1) << key;
  EXPECT_TRUE(Bar().IsControlEnabled(cmd::kListenNew));

  EXPECT_EQ(task.tasksGiven, 4);
  EXPECT_EQ(task.solvedFirst + task.solvedSecond + task.solvedThird, 3);

  // A fifth task stays open: the panel does not count it as failed, the log does.
  NewTask();
  const std::vector<DrawnText> panel = PaintedTexts(task, kWidth, kHeight);
  const int x = Case().keys == 13 ? kWidth * 8 / 21 : kWidth / 42;
  const std::array<std::pair<std::string, QColor>, 4> expected = {{
      {T(429) + " = 5 / 3", QColor(64, 64, 64)},
      {T(432) + " = 1 / 1 / 1", QColor(0, 128, 0)},
      {T(433) + " = 1", QColor(192, 0, 0)},
      {T(434) + " = 1", QColor(192, 0, 0)},
  }};
  for (const auto& [text, colour] : expected) {
    const DrawnText* found = FindText(panel, text);
    ASSERT_NE(found, nullptr) << text;
    EXPECT_EQ(found->colour, colour) << text;
    EXPECT_EQ(found->at.x(), x) << text;
  }

  View().OnTimer(cmd::kTimerTimeMeter);
  const uint32_t seconds = (clock.NowMs() - firstTask) / 1000;
  const std::string elapsed = StrFormat("%02u:%02u", seconds / 60, seconds % 60);
  EXPECT_EQ(Bar().ControlText(cmd::kTimeMeter), elapsed);
  Command(TaskTypeAt(Case().type == 1 ? 2 : 1).commandId);
  const std::vector<std::string> log = Log();
  ASSERT_GE(log.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 7),
            (std::vector<std::string>{std::string(36, ' '), T(428) + " = 5 / 3", T(431) + " = 1 / 1 / 1",
                                      T(433) + " = 2", T(434) + " = 1", T(436) + elapsed, DashRule()}));
}

// The red message line after each kind of wrong answer, by piano and attempt.
TEST_P(MelodySeries, RedMessagesByPianoAndAttempt) {
  Open(Case().type);
  DrawnTextsHost drawn;
  const auto lastRed = [&drawn] {
    std::string text;
    for (const DrawnText& t : drawn.Texts()) {
      if (t.colour == QColor(255, 0, 0)) text = t.text;
    }
    drawn.Texts().clear();
    return text;
  };
  std::vector<int> melody = NewTask();
  Click(WrongFor(melody[0]));
  EXPECT_EQ(lastRed(), T(283));
  Click(WrongFor(melody[0]));
  EXPECT_EQ(lastRed(), T(284));
  Click(WrongFor(melody[0]));
  EXPECT_EQ(lastRed(), T(279));
  if (Case().length == 1) return;
  const bool thirteen = Case().keys == 13;
  melody = NewTask();
  Click(melody[0]);
  Click(WrongFor(melody[1]));
  EXPECT_EQ(lastRed(), T(thirteen ? 285 : 287));
  Click(melody[0]);
  Click(WrongFor(melody[1]));
  EXPECT_EQ(lastRed(), T(thirteen ? 286 : 288));
}

INSTANTIATE_TEST_SUITE_P(BothPianos, MelodySeries,
                         ::testing::Values(MelodyCase{1, 13, 1, 233, melody::kOneTone},
                                           MelodyCase{2, 13, 2, 234, melody::kTwoTones},
                                           MelodyCase{3, 13, 4, 235, melody::kFourTones},
                                           MelodyCase{4, 13, 8, 236, melody::kEightTones},
                                           MelodyCase{6, 37, 1, 238, melody::kOneTone},
                                           MelodyCase{7, 37, 2, 239, melody::kTwoTones},
                                           MelodyCase{8, 37, 4, 240, melody::kFourTones},
                                           MelodyCase{9, 37, 8, 241, melody::kEightTones}));

}  // namespace
