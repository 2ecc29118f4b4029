// Rhythm tasks answered by claps end to end: generated claps (noise bursts in a room) played into
// a private PulseAudio server's sink whose monitor is the default input, with the program's own
// capture, clap detection and tap input listening on the system clock. The calibration by claps
// measures how late claps come through the sound server; a rhythm clapped back after Enter's
// count-in is then right at the second attempt, and one clapped a note short is wrong.
#include <QCoreApplication>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/CChildView.h"
#include "app/TaskTable.h"
#include "commands/CommandIds.h"
#include "listen/GeneratedClaps.h"
#include "listen/PrivatePulseServer.h"
#include "log/ResultsLog.h"
#include "platform/FileWrite.h"
#include "settings/ProgramSettings.h"
#include "support/AppFixture.h"
#include "tasks/common/TaskCommon.h"
#include "tasks/rhythm/RhythmCalibration.h"
#include "tasks/rhythm/RhythmSettings.h"
#include "tasks/rhythm/RhythmTask.h"
#include "tasks/rhythm/RhythmTiming.h"
#include "tasks/rhythm/TapSource.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

constexpr uint32_t kRate = 48000;
// A quarter of 417 ms: the test takes less time, and the tolerance is 50 ms.
constexpr int32_t kTempo144 = 30;
constexpr auto kClap = static_cast<size_t>(rhythm::TapChannel::kClap);

class RhythmClaps : public AppFixture {
 protected:
  void SetUp() override {
    if (!server_.Running()) GTEST_SKIP() << "pulseaudio cannot start here";
    std::ofstream(rhythm::kRhythmSettingsFile) << "claps=yes\n";
    SetTaskMaker({});
    StartProgram();
    View().OnTimer(cmd::kTimerDeferredStart);
    tempoIndex = kTempo144;
    for (const TaskType& type : TaskCatalogue()) {
      if (std::string(type.className) == "RhythmLevel1") View().OnCommand(type.commandId);
    }
    task_ = dynamic_cast<RhythmTask*>(&View().Task());
    ASSERT_NE(task_, nullptr);
    ASSERT_TRUE(task_->Settings().claps);
    // From here on the playbacks take their real time, as the claps do.
    realTime_.emplace(systemClock_);
    // The microphone has been open a while, as a student's is by the time they clap: the monitor
    // of a null sink gives the first seconds of a new recording late.
    rhythm::GetTapSource().Begin(true);
    RunUntil([] { return false; }, 2500);
    rhythm::GetTapSource().Stop();
  }
  void TearDown() override { realTime_.reset(); }

  int32_t Quarter() const { return static_cast<int32_t>(common::Beat()); }

  // Claps into the microphone at these ms from now, from a thread of its own: the task's
  // playback holds this one.
  std::thread ClapAt(const std::vector<int32_t>& ms) {
    std::vector<double> at;
    for (const int32_t m : ms) at.push_back(m / 1000.0);
    return std::thread([this, track = generated_claps::Make(at, at.back() + 0.5, kRate, 20.0, 3)] {
      server_.PlayIntoMicrophone(track.samples, kRate);
    });
  }

  // Runs the window's events until done says so (the task has taken its taps), for ten seconds
  // at most or the time given.
  template <typename Done>
  static void RunUntil(Done done, int32_t mostMs = 10000) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(mostMs);
    while (!done() && std::chrono::steady_clock::now() < until) {
      QCoreApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  // Claps the current rhythm's notes (all, or all but the last) after Enter's count-in.
  void ClapBack(bool all) {
    const rhythm::Schedule schedule = rhythm::MakeSchedule(*task_->Current(), Quarter(), 0);
    const int32_t bar = rhythm::TickMs(task_->Current()->time.BarTicks(), Quarter());
    std::vector<int32_t> claps;
    for (size_t i = 0; i + (all ? 0 : 1) < schedule.onsetsMs.size(); ++i) claps.push_back(bar + schedule.onsetsMs[i]);
    const int32_t attempt = task_->attempt;
    std::thread clapper = ClapAt(claps);
    View().OnCommand(cmd::kEnter);
    RunUntil([&] { return task_->attempt != attempt; });
    clapper.join();
  }

  PrivatePulseServer server_;
  SystemClock systemClock_;
  std::optional<ScopedClock> realTime_;
  RhythmTask* task_ = nullptr;
};

TEST_F(RhythmClaps, CalibratedClapsAnswerARhythmAsTapsDo) {
  // Calibration: a bar counted in, then eight clicks, clapped along.
  const rhythm::Schedule clicks = rhythm::CalibrationSchedule(Quarter());
  std::vector<int32_t> along;
  for (const int32_t onset : clicks.onsetsMs) along.push_back(clicks.answerStartMs + onset);
  std::thread clapper = ClapAt(along);
  task_->OnTaskButton1();
  // The offset measured is kept in the settings file.
  const auto calibrated = [] {
    const std::optional<std::vector<uint8_t>> kept = ReadWholeFile(rhythm::kRhythmSettingsFile);
    return kept && std::string(kept->begin(), kept->end()).find("offset_clap_ms=") != std::string::npos;
  };
  RunUntil(calibrated);
  clapper.join();
  ASSERT_TRUE(calibrated()) << "the claps were heard along the clicks";
  EXPECT_LT(std::abs(task_->Settings().offsetMs[kClap]), Quarter() / 2);

  // A new rhythm heard, not answered: the first attempt is wrong; then clapped back whole.
  std::srand(7);
  View().OnCommand(cmd::kListenNew);
  RunUntil([&] { return task_->attempt == 2; });
  ASSERT_EQ(task_->attempt, 2);
  const size_t notes = rhythm::MakeSchedule(*task_->Current(), Quarter(), 0).onsetsMs.size();
  ASSERT_GE(notes, 2u);
  const size_t logged = resultsLog.size();
  ClapBack(false);
  ASSERT_EQ(task_->attempt, 3) << "a note short is wrong";
  ClapBack(true);
  EXPECT_EQ(task_->solvedThird, 1);
  EXPECT_TRUE(task_->newTaskEnabled);
  ASSERT_EQ(resultsLog.size(), logged + 2);
  EXPECT_NE(resultsLog.back().find(T(txt::kRhythmInTime) + " " + std::to_string(notes) + ","), std::string::npos)
      << resultsLog.back();
}

}  // namespace
