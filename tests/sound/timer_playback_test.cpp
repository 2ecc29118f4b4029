// Timer playback stepped by hand: tick arithmetic, clicks, lamps and the end of playback,
// with the exact messages and their virtual times.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

#include "SoundTestHosts.h"
#include "music/TempoTables.h"
#include "settings/ProgramSettings.h"
#include "sound/SteppedTimerService.h"
#include "support/CapturingMidiOut.h"
#include "tasks/base/CAbstractT.h"

namespace {

using Records = std::vector<MidiRecord>;
constexpr uint32_t kStart = 1000;
constexpr uint32_t kTick = 24;
constexpr uint32_t kWeak = 0x4F2599, kWeakOff = 0x002589, kAccent = 0x7F2599;

MidiRecord At(uint32_t ms, uint32_t message) { return {ms, message, false}; }
MidiRecord ResetAt(uint32_t ms) { return {ms, 0, true}; }

class TimerPlayback : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetMidiState();
    task_ = std::make_unique<CAbstractT>();
  }
  void TearDown() override {
    task_.reset();
    QCoreApplication::processEvents();
    ResetMidiState();
    ResetProgramSettings();
  }
  // Steps n timer periods.
  void Steps(int n) {
    for (int i = 0; i < n; ++i) ASSERT_TRUE(timers_.Step());
  }
  Records Clicks(std::initializer_list<std::pair<uint32_t, bool>> clicks) {
    Records r;
    for (auto [ms, accent] : clicks) {
      r.push_back(At(ms, accent ? kAccent : kWeak));
      r.push_back(At(ms, kWeakOff));
    }
    return r;
  }

  VirtualClock clock_{kStart};
  ScopedClock scopedClock_{clock_};
  SteppedTimerService timers_{&clock_};
  ScopedTimerService scopedTimers_{timers_};
  CapturingMidiOut out_;
  std::unique_ptr<CAbstractT> task_;
};

TEST_F(TimerPlayback, FragmentPlaysEachEventAtItsTickAndEndsAfterTheLastTick) {
  CAbstractT& t = *task_;
  t.playbackMode = kFragmentPlayback;
  t.signatureIndex = 0;  // "1/4": 12 ticks a bar
  t.events = {{0, 0, 0}, {0, 3, 5}, {1, 3, 7}, {0, 11, 9}};
  t.ComputeLength();
  ASSERT_EQ(t.lastTick, 12);
  t.playing = true;
  t.StartTimer(kTick);
  EXPECT_EQ(out_.Records(), (Records{At(1000, 0x000080), At(1000, 0x7F2490)}));  // tick 0 at the start
  out_.Clear();
  Steps(11);
  EXPECT_EQ(out_.Records(), (Records{At(1072, 0x002480), At(1072, 0x7F2990), At(1072, 0x000081),
                                     At(1072, 0x7F2B91), At(1264, 0x002980), At(1264, 0x7F2D90),
                                     ResetAt(1264)}));
  EXPECT_FALSE(t.timerRunning);
  EXPECT_FALSE(t.playing);
  EXPECT_EQ(t.currentTick, 0);
  EXPECT_EQ(timers_.RunningCount(), 0u);
}

TEST_F(TimerPlayback, EmptyPlaybackStopsAtTheFirstTick) {
  for (int32_t mode : {kFragmentPlayback, kSequencerPlayback}) {
    task_->playbackMode = mode;
    task_->StartTimer(kTick);
    Steps(1);
    EXPECT_FALSE(task_->timerRunning);
    EXPECT_EQ(out_.Messages(), (std::vector<uint32_t>{CapturingMidiOut::kReset}));
    out_.Clear();
  }
}

TEST_F(TimerPlayback, SequencerClicksUnderFourFour) {
  CAbstractT& t = *task_;
  t.playbackMode = kSequencerPlayback;
  t.lastTick = 96;
  t.StartTimer(kTick);
  Steps(95);
  Records expected = Clicks({{1288, false}, {1576, false}, {1864, false}, {2152, true},
                             {2440, false}, {2728, false}, {3016, false}});
  expected.push_back(ResetAt(1000 + 95 * kTick));
  EXPECT_EQ(out_.Records(), expected);
  EXPECT_FALSE(t.timerRunning);
  EXPECT_EQ(t.beatInBar, 0);
}

TEST_F(TimerPlayback, SequencerClicksUnderThreeEighthsEverySixTicks) {
  CAbstractT& t = *task_;
  t.playbackMode = kSequencerPlayback;
  t.signatureIndex = 10;  // "3/8"
  t.lastTick = 100;
  t.StartTimer(kTick);
  Steps(36);
  EXPECT_EQ(out_.Records(), Clicks({{1144, false}, {1288, false}, {1432, true},
                                    {1576, false}, {1720, false}, {1864, true}}));
}

TEST_F(TimerPlayback, RecordingLeavesTheRecordedChannelOutIncludingTickZero) {
  CAbstractT& t = *task_;
  t.playbackMode = kSequencerPlayback;
  activeChannel = 2;
  t.events = {{2, 0, 1}, {1, 0, 2}, {2, 4, 3}, {1, 4, 4}};
  t.lastTick = 48;
  t.recording = true;
  t.playing = true;
  t.StartTimer(kTick);
  EXPECT_TRUE(out_.Records().empty());
  Steps(4);
  EXPECT_EQ(out_.Records(), (Records{At(1096, 0x000081), At(1096, 0x7F2891)}));
  Steps(43);
  EXPECT_FALSE(t.recording);
  EXPECT_FALSE(t.playing);
}

TEST_F(TimerPlayback, CountInClicksBeforeTickZero) {
  CAbstractT& t = *task_;
  t.playbackMode = kSequencerPlayback;
  t.lastTick = 48;
  t.recording = true;
  t.StartTimer(kTick);
  t.currentTick = -96;  // two bars of "4/4" before the first
  Steps(48);
  const std::vector<MidiRecord> r = out_.Records();
  ASSERT_EQ(r.size(), 8u);
  EXPECT_EQ(r[0], At(1000 + 12 * kTick, kWeak));   // tick -84
  EXPECT_EQ(r[6], At(1000 + 48 * kTick, kAccent));  // tick -48: first beat of the second bar
}

TEST_F(TimerPlayback, CallbackRunningIsSetOnlyWhileTheCallbackRuns) {
  struct Probe final : public CAbstractT {
    void PlayNote(int32_t, int32_t) override { seen.push_back(callbackRunning); }
    std::vector<bool> seen;
  };
  auto probe = std::make_unique<Probe>();
  probe->playbackMode = kSequencerPlayback;
  probe->lastTick = 96;
  probe->events = {{0, 0, 1}};
  probe->StartTimer(kTick);
  EXPECT_FALSE(callbackRunning);
  Steps(12);
  EXPECT_EQ(probe->seen, (std::vector<bool>{false, true}));
  EXPECT_FALSE(callbackRunning);
}

TEST_F(TimerPlayback, MetronomeUnderFourFourLightsOneLampPerBeat) {
  sound_test::ImageViewHost view;
  CAbstractT& t = *task_;
  t.playbackMode = kMetronomePlayback;
  for (int i = 0; i < 9; ++i) t.beatLamps[static_cast<size_t>(i)] = {10 + 40 * i, 180, 40 + 40 * i, 250};
  t.beatInBar = 1;  // the click at the start was the first beat
  t.StartTimer(500);
  const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), grey = qRgb(230, 230, 230);
  const std::vector<std::vector<QRgb>> lamps = {
      {grey, green, grey, grey}, {grey, grey, green, grey}, {grey, grey, grey, green}, {red, grey, grey, grey}};
  for (const auto& expected : lamps) {
    Steps(1);
    QCoreApplication::processEvents();
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(view.ColourIn(t.beatLamps[i]), expected[i]) << i;
  }
  EXPECT_EQ(out_.Records(), Clicks({{1500, false}, {2000, false}, {2500, false}, {3000, true}}));
  EXPECT_EQ(t.beatInBar, 1);
}

TEST_F(TimerPlayback, MetronomeUnderOneFourAccentsEveryBeatWithLampZeroRed) {
  sound_test::ImageViewHost view;
  CAbstractT& t = *task_;
  t.playbackMode = kMetronomePlayback;
  t.signatureIndex = 0;
  for (int i = 0; i < 9; ++i) t.beatLamps[static_cast<size_t>(i)] = {10 + 40 * i, 180, 40 + 40 * i, 250};
  t.StartTimer(500);
  Steps(3);
  QCoreApplication::processEvents();
  EXPECT_EQ(view.ColourIn(t.beatLamps[0]), qRgb(255, 0, 0));
  EXPECT_EQ(view.ColourIn(t.beatLamps[7]), qRgb(230, 230, 230));
  EXPECT_EQ(view.ColourIn(t.beatLamps[8]), qRgb(0, 0, 0));  // one-beat bars leave the ninth lamp
  EXPECT_EQ(out_.Records(), Clicks({{1500, true}, {2000, true}, {2500, true}}));
}

TEST_F(TimerPlayback, LampsOfAStoppedOrDeletedRunAreNotPainted) {
  sound_test::ImageViewHost view;
  task_->playbackMode = kMetronomePlayback;
  task_->beatLamps[0] = {10, 10, 50, 50};
  task_->StartTimer(500);
  Steps(1);
  task_->StopTimer();
  QCoreApplication::processEvents();
  EXPECT_EQ(view.ColourIn(task_->beatLamps[0]), qRgb(0, 0, 0));
  task_->StartTimer(500);
  Steps(1);
  task_.reset();  // the destructor stops the timer
  QCoreApplication::processEvents();
  EXPECT_EQ(view.image.pixel(30, 30), qRgb(0, 0, 0));
  EXPECT_EQ(timers_.RunningCount(), 0u);
}

TEST_F(TimerPlayback, StopAndRestart) {
  CAbstractT& t = *task_;
  t.StopTimer();  // never ran: nothing at all
  EXPECT_TRUE(out_.Records().empty());
  EXPECT_FALSE(t.timerRunning);

  t.playbackMode = kSequencerPlayback;
  t.lastTick = 480;
  t.StartTimer(kTick);
  const uint32_t first = t.timerId;
  Steps(5);
  t.StartTimer(kTick);  // restarts from tick 0 with one timer
  EXPECT_EQ(t.currentTick, 0);
  EXPECT_TRUE(t.timerRunning);
  EXPECT_FALSE(timers_.IsRunning(first));
  EXPECT_EQ(timers_.RunningCount(), 1u);

  t.recording = true;
  t.StopTimer();
  EXPECT_FALSE(t.recording);
  EXPECT_EQ(out_.Messages(), (std::vector<uint32_t>{CapturingMidiOut::kReset}));
  EXPECT_EQ(timers_.RunningCount(), 0u);
}

TEST_F(TimerPlayback, TempoSetsTheTickPeriod) {
  tempoIndex = 38;
  task_->StartTimerAtTempo();
  EXPECT_EQ(timers_.PeriodMs(task_->timerId), 24u);
  tempoIndex = 36;
  task_->StartTimerAtTempo();
  EXPECT_EQ(timers_.PeriodMs(task_->timerId), 26u);
  EXPECT_EQ(msPerBeat[36], 313);
  tempoIndex = 99;  // beyond the table: its last entry
  task_->StartTimerAtTempo();
  EXPECT_EQ(timers_.PeriodMs(task_->timerId), 24u);
}

struct LengthCase {
  int32_t signature;
  int32_t lastTickBefore;
  std::vector<int32_t> ticks;
  int32_t lastTick;
  int32_t barCount;
};

TEST(ComputeLengthTest, LengthInWholeBars) {
  const std::vector<LengthCase> cases = {
      {3, 0, {0, 6, 7}, 48, 1},   {3, 0, {48}, 96, 2},    {3, 0, {}, 0, 0},
      {3, 100, {5}, 144, 3},      {10, 0, {20}, 36, 2},   {8, 0, {5}, 6, 1},
      {3, 0, {47}, 48, 1},
  };
  for (const LengthCase& c : cases) {
    CAbstractT task;
    task.signatureIndex = c.signature;
    task.lastTick = c.lastTickBefore;
    for (int32_t tick : c.ticks) task.events.push_back({0, tick, 0});
    task.ComputeLength();
    EXPECT_EQ(task.lastTick, c.lastTick) << c.signature << " " << c.lastTickBefore;
    EXPECT_EQ(task.barCount, c.barCount) << c.signature << " " << c.lastTickBefore;
  }
}

TEST(SteppedTimerServiceTest, FiresInDeadlineOrderAndMovesTheClock) {
  VirtualClock clock(500);
  SteppedTimerService timers(&clock);
  std::vector<std::pair<int, uint32_t>> fired;
  struct Ctx {
    int which;
    VirtualClock* clock;
    std::vector<std::pair<int, uint32_t>>* fired;
  };
  Ctx a{1, &clock, &fired}, b{2, &clock, &fired};
  auto cb = [](void* user) {
    auto* c = static_cast<Ctx*>(user);
    c->fired->push_back({c->which, c->clock->NowMs()});
  };
  const uint32_t ida = timers.SetEvent(30, cb, &a);
  timers.SetEvent(50, cb, &b);
  timers.AdvanceMs(100);
  EXPECT_EQ(fired, (std::vector<std::pair<int, uint32_t>>{{1, 530}, {2, 550}, {1, 560}, {1, 590}, {2, 600}}));
  EXPECT_EQ(clock.NowMs(), 600u);
  timers.KillEvent(ida);
  timers.KillEvent(12345);
  EXPECT_EQ(timers.RunningCount(), 1u);
}

}  // namespace
