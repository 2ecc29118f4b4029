// The drill tasks driven through the program: every item of every shipped exercise file
// played and named in the scripted answer dialog, right at once and right after a wrong
// answer, with the counters, the log and the progress history; the level kept between starts;
// the tones of an interval, answered on every key whatever the mode list blocks; the second
// tone sung.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "progress/ProgressNames.h"
#include "music/MusicalTables.h"
#include "progress/ProgressTestSupport.h"
#include "settings/ProgramSettings.h"
#include "tasks/base/ScaleKeys.h"
#include "tasks/drills/DrillChoice.h"
#include "tasks/drills/DrillHistory.h"
#include "tasks/drills/DrillLevels.h"
#include "tasks/drills/DrillTask.h"
#include "tasks/drills/DrillTypes.h"
#include "tasks/melody/MelodyTestSupport.h"
#include "tasks/voice/VoiceHook.h"
#include "text/StrFormat.h"
#include "text/TextIds.h"

namespace {

using namespace melody_test;
using namespace drills;

// The answer in the drill dialog: the entry picked in the list, then OK.
DialogAction Pick(size_t index) {
  return [index](CDialog& dialog, DialogControls& controls) {
    controls.SetCurSel(CDrillDialog::kAnswerList, static_cast<int>(index));
    dialog.OnCommand(CDrillDialog::kAnswerList);
    dialog.OnCommand(IDOK);
  };
}

size_t IndexOf(const std::vector<Answer>& choices, const Answer& answer) {
  return static_cast<size_t>(std::find(choices.begin(), choices.end(), answer) - choices.begin());
}

class DrillTasks : public MelodyApp {
 protected:
  // Starts the program on the interval drills, then chooses the drill of the menu's index.
  DrillTask& Choose(size_t index) {
    if (!out) {
      MelodyApp::Open(DrillTaskType(0));
      progress::SetRecordSink(&sink);
    }
    Command(cmd::kFirstDrill + static_cast<int>(index));
    out->Clear();
    return Task();
  }
  DrillTask& Task() { return dynamic_cast<DrillTask&>(View().Task()); }
  void TearDown() override {
    SetVoiceHook({});
    progress::DropOpenTask();
    progress::SetRecordSink(nullptr);
    MelodyApp::TearDown();
  }
  const progress::TaskRecord& Last() const { return sink.records.back(); }
  size_t IndexOfFile(const std::string& file) const {
    const std::vector<ListedDrill>& listed = LoadedDrills().drills;
    for (size_t i = 0; i < listed.size(); ++i) {
      if (listed[i].file.filename() == file) return i;
    }
    ADD_FAILURE() << file;
    return 0;
  }
  progress_test::CapturingSink sink;
};

TEST_F(DrillTasks, EveryShippedItemIsPlayedAndNamedRightlyAtOnceOrAfterAWrongAnswer) {
  const std::vector<ListedDrill>& listed = LoadedDrills().drills;
  ASSERT_GE(listed.size(), 12u);
  EXPECT_TRUE(LoadedDrills().broken.empty());
  for (size_t d = 0; d < listed.size(); ++d) {
    const Drill& drill = listed[d].drill;
    DrillTask& task = Choose(d);
    SCOPED_TRACE(drill.title.english);
    ASSERT_TRUE(task.PlayedDrill().has_value());
    EXPECT_EQ(task.title, T(txt::kDrillTitle) + " " + drill.title.english);
    EXPECT_EQ(resultsLog.back(), std::string(75, '='));
    EXPECT_EQ(resultsLog[resultsLog.size() - 2], T(426) + task.title);
    int32_t given = 0;
    for (size_t level = 0; level < drill.levels.size(); ++level) {
      const std::vector<Answer> choices = Choices(drill.levels[level]);
      for (const Question& question : Questions(drill.levels[level])) {
        task.SetLevel(level);
        const Answer right = RightAnswer(Item{.question = question});
        const size_t rightIndex = IndexOf(choices, right);
        ASSERT_LT(rightIndex, choices.size());
        // Right at once.
        // An interval of a drill answered by voice waits for the voice; Enter names it.
        const bool sung = drill.byVoice && question.family == Family::kInterval;
        task.queuedQuestions.push_back(question);
        host.dialogActions.push_back(Pick(rightIndex));
        Command(cmd::kListenNew);
        if (sung) Command(cmd::kEnter);
        ++given;
        EXPECT_FALSE(Heard().empty());
        ASSERT_EQ(task.CurrentItem().question, question);
        EXPECT_EQ(Last().attempt, 1);
        EXPECT_EQ(Last().family, HistoryFamily(question.family));
        EXPECT_EQ(Last().chordType, HistoryItem(right));
        EXPECT_TRUE(Last().wrongTypes.empty());
        EXPECT_EQ(Hint(), T(155));
        // One wrong answer, then the right one.
        if (choices.size() < 2) continue;
        const size_t wrongIndex = rightIndex == 0 ? 1 : 0;
        task.SetLevel(level);
        task.queuedQuestions.push_back(question);
        host.dialogActions.push_back(Pick(wrongIndex));
        host.dialogActions.push_back([&](CDialog& dialog, DialogControls& controls) {
          EXPECT_EQ(controls.Text(CDrillDialog::kHintText), T(txt::kDrillAsk2));
          Pick(rightIndex)(dialog, controls);
        });
        Command(cmd::kListenNew);
        if (sung) Command(cmd::kEnter);
        ++given;
        EXPECT_EQ(Last().attempt, 2);
        EXPECT_EQ(Last().chordType, HistoryItem(right));
        EXPECT_EQ(Last().wrongTypes, std::vector<int32_t>{HistoryItem(choices[wrongIndex])});
        EXPECT_EQ(progress::ChordName(Last().wrongTypes[0]), AnswerName(choices[wrongIndex]));
      }
    }
    EXPECT_EQ(task.tasksGiven, given);
    EXPECT_EQ(task.solvedFirst + task.solvedSecond, given);
    EXPECT_EQ(task.solvedThird, 0);
    const int32_t first = task.solvedFirst;
    const int32_t second = task.solvedSecond;
    const size_t logEnd = resultsLog.size();
    Choose(d);
    EXPECT_EQ(resultsLog[logEnd + 1], StrFormat("%s = %d / %d", T(428).c_str(), given, given));
    EXPECT_EQ(resultsLog[logEnd + 2], StrFormat("%s = %d / %d / 0", T(431).c_str(), first, second));
  }
  ASSERT_TRUE(host.dialogActions.empty());
}

TEST_F(DrillTasks, TheLevelReachedIsKeptBetweenStarts) {
  const std::vector<ListedDrill>& listed = LoadedDrills().drills;
  const auto indexOf = [&listed](const std::string& file) {
    for (size_t i = 0; i < listed.size(); ++i) {
      if (LevelKey(listed[i]) == file) return i;
    }
    return listed.size();
  };
  const size_t intervals = indexOf("01-intervals-1.json");
  const size_t scales = indexOf("05-scales-1.json");
  ASSERT_LT(std::max(intervals, scales), listed.size());
  // A broken line and a level out of range are skipped.
  std::ofstream(kDrillLevelsFile) << "05-scales-1.json=3\r\n01-intervals-1.json=99\nno level\n";
  EXPECT_EQ(Choose(scales).Level(), 2u);
  DrillTask& task = Choose(intervals);
  EXPECT_EQ(task.Level(), 0u);
  const Question question = Questions(task.PlayedDrill()->levels[0])[0];
  const size_t right = IndexOf(Choices(task.PlayedDrill()->levels[0]), RightAnswer(Item{.question = question}));
  for (int32_t i = 0; i < DrillTask::kRightInARowForNextLevel; ++i) {
    task.queuedQuestions.push_back(question);
    host.dialogActions.push_back(Pick(right));
    Command(cmd::kListenNew);
  }
  EXPECT_EQ(task.Level(), 1u);
  std::ifstream file(kDrillLevelsFile);
  // The drill chosen last is kept too: the next start begins at it.
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}),
            "chosen=01-intervals-1.json\n01-intervals-1.json=2\n05-scales-1.json=3\n");
  EXPECT_EQ(Choose(intervals).Level(), 1u);
  Choose(scales);
  EXPECT_EQ(ReadChosenDrill(), "05-scales-1.json");
  EXPECT_EQ(ParseChosenDrill("chosen=a=b\nchosen\n"), "");
}

TEST_F(DrillTasks, IntervalsSoundUpDownAndTogetherThenThreeWrongAnswersNameIt) {
  // Intervals 1: named or played on the piano; the reference 48-67.
  DrillTask& task = Choose(0);
  // The mode list does not apply to drills: with C major chosen and its extramode keys
  // blocked, every key still takes clicks (C sharp among them).
  for (const TaskType& type : DrillTaskTypes()) {
    EXPECT_EQ(type.controls & (controls::kKeyList | controls::kModeList | controls::kBlockExtramode), 0);
  }
  blockExtramodeKeys = true;
  scaleRow = ScaleRowOf(0, 0);
  ASSERT_FALSE(InScale(1));
  for (int32_t key = 0; key < task.KeyCount(); ++key) EXPECT_TRUE(task.IsKeyEnabled(key)) << key;
  ASSERT_TRUE(task.PlayedDrill()->onPiano);
  const struct {
    Direction direction;
    int second;
    uint32_t secondStart, length;
  } kCases[] = {{Direction::kAscending, 4, 900, 900}, {Direction::kDescending, -4, 900, 900},
                {Direction::kHarmonic, 4, 0, 1800}};
  for (const auto& c : kCases) {
    task.queuedQuestions.push_back({.family = Family::kInterval, .semitones = 4, .direction = c.direction});
    // Closing the dialog leaves the piano to answer on.
    Heard();
    const uint32_t start = clock.NowMs();
    Command(cmd::kListenNew);
    EXPECT_EQ(Hint(), T(txt::kDrillPlayHint));
    const int first = task.CurrentItem().reference;
    const std::vector<Sounded> heard = Heard();
    ASSERT_EQ(heard.size(), 2u);
    const uint32_t firstLength = c.direction == Direction::kHarmonic ? 1800 : 900;
    EXPECT_EQ(heard[0].note, first);
    EXPECT_EQ(heard[0].start, start);
    EXPECT_EQ(heard[0].end, start + firstLength);
    EXPECT_EQ(heard[1].note, first + c.second);
    EXPECT_EQ(heard[1].start, start + c.secondStart);
    EXPECT_EQ(heard[1].end, start + c.secondStart + c.length);
    EXPECT_EQ(heard[0].channel, 0);
    EXPECT_EQ(heard[1].channel, 0);
    // Played on the piano: the two tones (together: in any order).
    if (c.direction == Direction::kHarmonic) {
      Click(KeyOf(first + c.second));
      Click(KeyOf(first));
    } else {
      Click(KeyOf(first));
      Click(KeyOf(first + c.second));
    }
    EXPECT_EQ(Last().attempt, 1);
    EXPECT_EQ(Last().chordType, progress::kIntervalItems + 4);
  }
  // Three wrong names: the answer is named and played again.
  task.queuedQuestions.push_back({.family = Family::kInterval, .semitones = 4});
  const std::vector<Answer> choices = Choices(task.PlayedDrill()->levels[task.Level()]);
  const size_t wrong = IndexOf(choices, Answer{.family = Family::kInterval, .semitones = 7});
  ASSERT_LT(wrong, choices.size());
  for (int i = 0; i < 3; ++i) host.dialogActions.push_back(Pick(wrong));
  Heard();
  Command(cmd::kListenNew);
  EXPECT_EQ(Last().attempt, 0);
  EXPECT_EQ(Last().wrongTypes, (std::vector<int32_t>(3, progress::kIntervalItems + 7)));
  EXPECT_EQ(Hint(), T(291) + " " + T(txt::kDrillIntervalNames + 4) + ". " + T(154));
  EXPECT_EQ(Heard().size(), 4u);
}

TEST_F(DrillTasks, TheSecondToneSungAnswersAsOnThePianoInAnyOctaveOnceTheItemHasSounded) {
  SungAnswerSink sing;
  // In place of the program's microphone, installed at its start.
  Choose(0);
  bool micFailed = false;
  SetVoiceHook({.listen = [&sing](SungAnswerSink sink) { sing = std::move(sink); },
                .judging = {},
                .unavailable = [&micFailed] { return micFailed; }});
  DrillTask& task = Choose(IndexOfFile("13-sing-intervals.json"));
  ASSERT_TRUE(sing);
  ASSERT_TRUE(task.PlayedDrill()->byVoice);
  EXPECT_EQ(Hint(), T(txt::kDrillSingStartHint));
  const auto sungAt = [&](int32_t note, int32_t cents, uint32_t startMs) { sing({note, cents, startMs}); };

  // Ascending major third: the tone an octave up is right; a hold begun while the item still
  // sounded in the microphone is none.
  task.queuedQuestions.push_back({.family = Family::kInterval, .semitones = 4});
  Command(cmd::kListenNew);
  EXPECT_EQ(Hint(), T(txt::kDrillSing) + " " + T(txt::kDrillSingOrName));
  const int32_t first = task.CurrentItem().reference;
  ASSERT_EQ(Heard().size(), 2u);
  sungAt(first + 4, 0, clock.NowMs() - 100);
  EXPECT_EQ(task.attempt, 1);
  sungAt(first + 16, -12, clock.NowMs() + 300);
  EXPECT_EQ(task.attempt, 0);
  EXPECT_EQ(Last().attempt, 1);
  EXPECT_EQ(Last().answeredBy, progress::AnswerInput::kVoice);
  EXPECT_EQ(Last().meanCents, 12);  // how far off, either way
  ASSERT_EQ(task.Sung().size(), 1u);
  EXPECT_EQ(task.Sung()[0].centsOff, -12);

  // Together: the upper tone. A minor third sung is wrong and recorded as such, the lower
  // tone as a unison, then the major third at the third attempt.
  task.queuedQuestions.push_back({.family = Family::kInterval, .semitones = 4, .direction = Direction::kHarmonic});
  Command(cmd::kListenNew);
  EXPECT_EQ(Hint(), T(txt::kDrillSingUpper) + " " + T(txt::kDrillSingOrName));
  const int32_t bass = task.CurrentItem().reference;
  sungAt(bass + 3, 20, clock.NowMs() + 300);
  EXPECT_EQ(task.attempt, 2);
  EXPECT_EQ(task.Sung()[0].centsOff, -80);
  // The lower tone sung again is a unison.
  sungAt(bass, 0, clock.NowMs() + 600);
  EXPECT_EQ(task.attempt, 3);
  sungAt(bass + 4, 0, clock.NowMs() + 900);
  EXPECT_EQ(Last().attempt, 3);
  EXPECT_EQ(Last().wrongTypes, (std::vector<int32_t>{progress::kIntervalItems + 3, progress::kIntervalItems}));
  // Nothing sung counts once the task is over.
  sungAt(bass + 4, 0, clock.NowMs() + 1200);
  EXPECT_EQ(sink.records.size(), 2u);
  EXPECT_EQ(task.solvedFirst, 1);
  EXPECT_EQ(task.solvedThird, 1);

  // Without a microphone the name is asked for at once.
  micFailed = true;
  task.queuedQuestions.push_back({.family = Family::kInterval, .semitones = 7});
  const std::vector<Answer> choices = Choices(task.PlayedDrill()->levels[task.Level()]);
  host.dialogActions.push_back(Pick(IndexOf(choices, Answer{.family = Family::kInterval, .semitones = 7})));
  Command(cmd::kListenNew);
  EXPECT_TRUE(host.dialogActions.empty());
  EXPECT_EQ(task.solvedFirst, 2);
}

}  // namespace
