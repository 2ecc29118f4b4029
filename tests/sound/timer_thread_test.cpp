// The real timer thread and playback on it. These tests wait for events, never for a time,
// and also run under ThreadSanitizer (their names match Thread|Timer|Race).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <memory>
#include <thread>

#include "SoundTestHosts.h"
#include "sound/TimerService.h"
#include "support/CapturingMidiOut.h"
#include "tasks/base/CAbstractT.h"

namespace {

template <typename Predicate>
void WaitUntil(Predicate done) {
  while (!done()) std::this_thread::yield();
}

TEST(TimerThread, KillFromItsOwnCallbackStopsIt) {
  struct Counter {
    std::atomic<uint32_t> id{0};
    std::atomic<int> calls{0};
  } killed, other;
  auto killAtThree = [](void* user) {
    auto* c = static_cast<Counter*>(user);
    if (++c->calls == 3) GetTimerService().KillEvent(c->id);
  };
  auto count = [](void* user) { ++static_cast<Counter*>(user)->calls; };
  killed.id = GetTimerService().SetEvent(2, killAtThree, &killed);
  WaitUntil([&] { return killed.calls == 3; });
  // One thread serves both timers in deadline order: a live 2 ms timer would tick between these.
  other.id = GetTimerService().SetEvent(2, count, &other);
  WaitUntil([&] { return other.calls >= 5; });
  GetTimerService().KillEvent(other.id);
  EXPECT_EQ(killed.calls, 3);
}

TEST(TimerThread, KillFromAnotherThreadWaitsForTheRunningCallback) {
  struct State {
    std::atomic<bool> inside{false};
    std::atomic<bool> release{false};
    std::atomic<bool> finished{false};
  } s;
  auto slow = [](void* user) {
    auto* st = static_cast<State*>(user);
    if (st->finished) return;
    st->inside = true;
    while (!st->release) std::this_thread::yield();
    st->finished = true;
  };
  const uint32_t id = GetTimerService().SetEvent(1, slow, &s);
  WaitUntil([&] { return s.inside.load(); });
  std::thread releaser([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    s.release = true;
  });
  GetTimerService().KillEvent(id);
  EXPECT_TRUE(s.finished);
  releaser.join();
}

TEST(TimerThread, UnknownIdIsIgnored) { GetTimerService().KillEvent(0xFFFFFF); }

// The sequencer's piano input while it records: wait for the callback to be idle, then sound
// the note and append the event under eventsLock, while the timer plays the other channels.
TEST(PlaybackRace, AppendingEventsWhileTheTimerPlaysThem) {
  ResetMidiState();
  CapturingMidiOut out;
  auto task = std::make_unique<CAbstractT>();
  task->playbackMode = kSequencerPlayback;
  task->lastTick = 1 << 30;
  activeChannel = 1;
  task->events = {{2, 1, 5}};
  task->recording = true;
  task->StartTimer(1);
  constexpr int kPresses = 200;
  for (int i = 0; i < kPresses; ++i) {
    WaitUntil([] { return !callbackRunning; });
    std::lock_guard lock(task->eventsLock);
    task->PlayNote(i % 37, activeChannel);
    const int32_t tick = task->currentTick;
    task->events.push_back({i % 2 == 0 ? 1 : 2, tick + 1, i % 37});
  }
  WaitUntil([&] { return task->currentTick > 5; });
  task->StopTimer();
  EXPECT_EQ(task->events.size(), size_t{kPresses + 1});
  for (const MidiRecord& r : out.Records()) {
    if (r.reset) continue;
    const uint8_t kind = midi::Kind(r.message);
    EXPECT_TRUE(kind == midi::kNoteOn || kind == midi::kNoteOff) << r;
  }
  task.reset();
  ResetMidiState();
}

TEST(PlaybackRace, TheEndOfPlaybackAndAStopFromTheUserInterfaceMeet) {
  CapturingMidiOut out;
  CAbstractT task;
  task.playbackMode = kFragmentPlayback;
  for (int round = 0; round < 50; ++round) {
    task.lastTick = round % 4;
    task.playing = true;
    task.StartTimer(1);
    if (round % 2 == 0) std::this_thread::yield();
    task.StopTimer();
    EXPECT_FALSE(task.timerRunning);
  }
}

// The callback ends a fragment and stops its own timer; the user presses Stop in its last moments.
// The stop must return only after the callback has returned (the task may be deleted next).
TEST(PlaybackRace, AStopMeetingTheEndOfPlaybackWaitsForTheCallback) {
  static std::atomic<bool> stopEntered{false};
  static std::atomic<bool> callbackDone{false};
  stopEntered = false;
  callbackDone = false;
  playbackEndHook = [] {
    WaitUntil([] { return stopEntered.load(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    callbackDone = true;
  };
  CapturingMidiOut out;
  CAbstractT task;
  task.playbackMode = kFragmentPlayback;
  task.lastTick = 1;
  task.playing = true;
  task.StartTimer(1);
  WaitUntil([&] { return !task.timerRunning; });  // the callback has stopped the timer itself
  stopEntered = true;
  task.StopTimer();
  EXPECT_TRUE(callbackDone);
  EXPECT_FALSE(task.playing);
  playbackEndHook = nullptr;
}

// Play a one-tick fragment, then switch the task at once: 2,000 times, the switch meeting the
// callback at every stage of its run (run under ThreadSanitizer too).
TEST(PlaybackRace, PlaysOfAOneTickFragmentEachFollowedByATaskSwitch) {
  CapturingMidiOut out;
  for (int round = 0; round < 2000; ++round) {
    auto task = std::make_unique<CAbstractT>();
    task->playbackMode = kFragmentPlayback;
    task->events = {{0, 0, 5}, {0, 1, 7}};
    task->lastTick = 2;
    task->playing = true;
    task->StartTimer(1);
    std::this_thread::sleep_for(std::chrono::microseconds((round * 37) % 1500));
    task.reset();
    if (round % 100 == 0) out.Clear();
  }
}

// A new start while the previous run's last callback is still in flight keeps its own tick.
TEST(PlaybackRace, ARestartKeepsItsOwnTickAndFlags) {
  CapturingMidiOut out;
  CAbstractT task;
  task.playbackMode = kFragmentPlayback;
  for (int round = 0; round < 200; ++round) {
    task.lastTick = 1;
    task.playing = true;
    task.StartTimer(1);
    WaitUntil([&] { return !task.timerRunning; });
    task.lastTick = 1 << 20;
    task.playing = true;
    task.StartTimer(50);
    EXPECT_EQ(task.currentTick, 0);
    EXPECT_TRUE(task.playing);
    task.StopTimer();
  }
}

TEST(PlaybackThread, DeletingAMetronomeWhileItBeatsDropsItsLamps) {
  sound_test::ImageViewHost view;
  CapturingMidiOut out;
  for (int round = 0; round < 5; ++round) {
    auto task = std::make_unique<CAbstractT>();
    task->playbackMode = kMetronomePlayback;
    task->beatLamps[0] = {10, 10, 50, 50};
    task->StartTimer(1);
    WaitUntil([&] { return out.Records().size() >= 4; });
    task.reset();  // waits for a running callback; later lamps are dropped
    out.Clear();
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(view.image.pixel(30, 30), qRgb(0, 0, 0));
}

}  // namespace
