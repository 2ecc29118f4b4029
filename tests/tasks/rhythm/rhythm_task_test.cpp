// The rhythm task answered by scripted taps with time stamps: right, early, late, missing and
// extra taps reach the counters, the log line and the attempts; a calibration's offset is taken
// off later taps. The taps come from a scripted source in place of the keyboard, MIDI and the
// microphone.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/CChildView.h"
#include "app/TaskTable.h"
#include "commands/CommandIds.h"
#include "log/ResultsLog.h"
#include "support/AppFixture.h"
#include "tasks/common/TaskCommon.h"
#include "tasks/rhythm/RhythmCalibration.h"
#include "tasks/rhythm/RhythmTask.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

using rhythm::Tap;
using rhythm::TapChannel;

// Hands over the taps the test wants, given in ms from the answer's first bar, once the task
// asks for its answer.
class ScriptedTaps final : public rhythm::TapSource {
 public:
  std::vector<int32_t> next;  // the next answer's taps
  TapChannel channel = TapChannel::kKey;
  int32_t leadMs = 0;  // how far before the answer's start the task gathers from
  std::vector<std::pair<uint32_t, uint32_t>> asked;
  bool withClaps = false;

  void Begin(bool claps) override { withClaps = claps; }
  void FinishAt(uint32_t fromMs, uint32_t untilMs, std::function<void(std::vector<Tap>)> done) override {
    asked.emplace_back(fromMs, untilMs);
    std::vector<Tap> taps;
    for (const int32_t t : next) taps.push_back({fromMs + static_cast<uint32_t>(leadMs + t), channel});
    done(std::move(taps));
  }
  void Stop() override {}
};

class RhythmTaskTest : public AppFixture {
 protected:
  void SetUp() override {
    SetTaskMaker({});
    StartProgram();
    // The program seeds its random numbers from the clock; the cases need the same rhythms on
    // every run (the first one drawn here has more than one note).
    std::srand(7);
    View().resize(1000, 500);
    View().OnTimer(cmd::kTimerDeferredStart);
    rhythm::SetTapSource(&taps);
    for (const TaskType& type : TaskCatalogue()) {
      if (std::string(type.className) == "RhythmLevel1") View().OnCommand(type.commandId);
    }
    task = dynamic_cast<RhythmTask*>(&View().Task());
    ASSERT_NE(task, nullptr);
  }
  void TearDown() override { rhythm::SetTapSource(nullptr); }

  int32_t Quarter() const { return static_cast<int32_t>(common::Beat()); }
  std::vector<int32_t> Onsets() const {
    return rhythm::MakeSchedule(*task->Current(), Quarter(), 0).onsetsMs;
  }
  // The taps of the next answers are given from the start of the rhythm drawn.
  void Script() {
    const rhythm::Rhythm& r = *task->Current();
    taps.leadMs = rhythm::TickMs(r.time.BeatTicks(), Quarter()) / 2;
  }

  ScriptedTaps taps;
  RhythmTask* task = nullptr;
};

// Taps the onsets of the current rhythm: each moved by shift (or left out where shift is none).
std::vector<int32_t> TapsAt(const std::vector<int32_t>& onsets, const std::vector<std::optional<int32_t>>& shifts) {
  std::vector<int32_t> times;
  for (size_t i = 0; i < onsets.size(); ++i) {
    const std::optional<int32_t> shift = i < shifts.size() ? shifts[i] : std::optional<int32_t>(0);
    if (shift) times.push_back(onsets[i] + *shift);
  }
  return times;
}

std::string LastLog() { return resultsLog.empty() ? std::string() : resultsLog.back(); }

std::string Counts(int inTime, int early, int late, int missing, int extra) {
  return T(txt::kRhythmInTime) + " " + std::to_string(inTime) + ", " + T(txt::kRhythmEarly) + " " +
         std::to_string(early) + ", " + T(txt::kRhythmLate) + " " + std::to_string(late) + ", " +
         T(txt::kRhythmMissing) + " " + std::to_string(missing) + ", " + T(txt::kRhythmExtra) + " " +
         std::to_string(extra);
}

TEST_F(RhythmTaskTest, TapsWithinTheToleranceSolveAtTheFirstAttemptAndAreLogged) {
  // The log's header names the level.
  EXPECT_NE(std::find(resultsLog.begin(), resultsLog.end(), T(426) + T(txt::kRhythmLevel1)), resultsLog.end());
  // The first playback draws the rhythm; its taps are scripted from the rhythm it shows, so
  // the first answer is given by tapping nothing, then Enter answers again.
  taps.next = {};
  View().OnCommand(cmd::kListenNew);
  ASSERT_NE(task->Current(), nullptr);
  EXPECT_EQ(task->attempt, 2);
  const std::vector<int32_t> onsets = Onsets();
  EXPECT_NE(LastLog().find(Counts(0, 0, 0, static_cast<int>(onsets.size()), 0)), std::string::npos) << LastLog();
  EXPECT_EQ(LastLog().rfind(T(txt::kRhythmLogLine) + task->Current()->text, 0), 0u) << LastLog();

  Script();
  const int32_t tolerance = task->Settings().tolerance.Ms(Quarter());
  std::vector<std::optional<int32_t>> shifts;
  for (size_t i = 0; i < onsets.size(); ++i) shifts.push_back(i % 2 ? tolerance : -tolerance);
  taps.next = TapsAt(onsets, shifts);
  View().OnCommand(cmd::kEnter);
  EXPECT_EQ(task->solvedSecond, 1);
  EXPECT_EQ(task->attempt, 0);
  EXPECT_TRUE(task->newTaskEnabled);
  EXPECT_NE(LastLog().find(Counts(static_cast<int>(onsets.size()), 0, 0, 0, 0)), std::string::npos) << LastLog();
  ASSERT_TRUE(task->Picture());
  EXPECT_TRUE(task->Picture()->judgement.Right());
}

TEST_F(RhythmTaskTest, EarlyLateMissingAndExtraTapsAreCountedAndThreeWrongAnswersCloseTheTask) {
  taps.next = {};
  View().OnCommand(cmd::kListenNew);
  Script();
  const std::vector<int32_t> onsets = Onsets();
  ASSERT_GE(onsets.size(), 2u);
  const int32_t off = task->Settings().tolerance.Ms(Quarter()) + 15;
  // Early on the first note, late on the second, the rest missing; one extra tap at the end.
  std::vector<std::optional<int32_t>> shifts(onsets.size(), std::nullopt);
  shifts[0] = -off;
  shifts[1] = off;
  std::vector<int32_t> times = TapsAt(onsets, shifts);
  const int32_t end = rhythm::TickMs(task->Current()->Ticks(), Quarter());
  times.push_back(end + Quarter() / 4);
  taps.next = times;
  View().OnCommand(cmd::kListenAgain);
  EXPECT_EQ(task->attempt, 3);
  EXPECT_EQ(task->repeatsInTask, 1);
  EXPECT_NE(LastLog().find(Counts(0, 1, 1, static_cast<int>(onsets.size()) - 2, 1)), std::string::npos) << LastLog();
  const rhythm::Judgement& j = task->Picture()->judgement;
  EXPECT_EQ(j.onsets[0].offsetMs, -off);
  EXPECT_EQ(j.onsets[1].offsetMs, off);
  EXPECT_EQ(j.extraTapsMs, std::vector<int32_t>{end + Quarter() / 4});
  // A tap before the second count-in's last half beat is no part of the answer.
  taps.next = TapsAt(onsets, {});
  taps.next.push_back(-taps.leadMs - 200);
  View().OnCommand(cmd::kEnter);
  EXPECT_EQ(task->solvedThird, 1);

  taps.next = {};
  View().OnCommand(cmd::kListenNew);
  View().OnCommand(cmd::kEnter);
  View().OnCommand(cmd::kEnter);
  EXPECT_EQ(task->attempt, 0);
  EXPECT_TRUE(task->newTaskEnabled);
  EXPECT_EQ(task->tasksGiven, 2);
  EXPECT_EQ(common::OpenFailures(*task), 1);
}

TEST_F(RhythmTaskTest, TheCalibrationKeepsTheOffsetOfTheChannelAndTakesItOffLaterTaps) {
  taps.channel = TapChannel::kMidi;
  taps.leadMs = Quarter() / 2;
  // Eight clicks tapped 80 ms late, one of them far off.
  for (int32_t i = 0; i < rhythm::kCalibrationClicks; ++i) taps.next.push_back(i * Quarter() + (i == 3 ? 200 : 80));
  View().OnCommand(cmd::kTaskButton1);
  EXPECT_EQ(task->Settings().offsetMs[static_cast<size_t>(TapChannel::kMidi)], 80);
  EXPECT_EQ(rhythm::ReadRhythmSettings().offsetMs[static_cast<size_t>(TapChannel::kMidi)], 80);
  EXPECT_EQ(task->Settings().offsetMs[static_cast<size_t>(TapChannel::kKey)], 0);

  taps.next = {};
  View().OnCommand(cmd::kListenNew);
  Script();
  // The source is asked for taps from further on by the offset.
  std::vector<std::optional<int32_t>> shifts(Onsets().size(), 80);
  taps.next = TapsAt(Onsets(), shifts);
  View().OnCommand(cmd::kEnter);
  EXPECT_EQ(task->solvedSecond, 1) << LastLog();

  // Too few taps measure nothing and keep the offset.
  taps.next = {0, Quarter()};
  View().OnCommand(cmd::kTaskButton1);
  EXPECT_EQ(task->Settings().offsetMs[static_cast<size_t>(TapChannel::kMidi)], 80);
}

TEST(RhythmSettings, ABrokenFileGivesDefaultsAndAGoodOneReadsBack) {
  rhythm::RhythmSettings s = rhythm::ParseRhythmSettings(
      "tolerance_percent=99\r\ntolerance_most_ms=abc\nclaps=yes\noffset_key_ms=-35\noffset_clap_ms=9999\nx=1\n");
  EXPECT_EQ(s.tolerance.percentOfBeat, 12);
  EXPECT_EQ(s.tolerance.mostMs, 70);
  EXPECT_TRUE(s.claps);
  EXPECT_EQ(s.offsetMs, (std::array<int32_t, 3>{-35, 0, 0}));
  s.tolerance = {16, 50};
  EXPECT_EQ(rhythm::ParseRhythmSettings(rhythm::FormatRhythmSettings(s)), s);
  EXPECT_EQ(s.Corrected({1000, TapChannel::kKey}), 1035u);
}

}  // namespace
