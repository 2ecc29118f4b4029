// Time the timer callback of fragment playback takes per tick, with 10,000 and 1,000,000 events
// (the largest fragment file the player opens holds about a million). The timer is stepped by
// hand and the notes go to a device that drops them, so only the callback's own work is timed.
#include <chrono>
#include <cstdio>
#include <vector>

#include "BenchStats.h"
#include "sound/MidiOutput.h"
#include "sound/SteppedTimerService.h"
#include "tasks/base/CAbstractT.h"

namespace {

class DroppingMidiOut final : public MidiOutDevice {
 public:
  DroppingMidiOut() { SetMidiOut(this); }
  ~DroppingMidiOut() override { SetMidiOut(nullptr); }
  DroppingMidiOut(const DroppingMidiOut&) = delete;
  DroppingMidiOut& operator=(const DroppingMidiOut&) = delete;
  void ShortMsg(uint32_t) override {}
  void Reset() override {}
};

void Measure(int eventCount) {
  constexpr int kTicks = 20000;
  SteppedTimerService timers;
  ScopedTimerService installed(timers);
  DroppingMidiOut out;
  CAbstractT task;
  task.playbackMode = kFragmentPlayback;
  // Events in file order: channel by channel, so a tick's events are spread over the whole list.
  for (int i = 0; i < eventCount; ++i) {
    task.events.push_back({i % 16, (i / 16) % kTicks, i % 37});
  }
  task.lastTick = kTicks + 1;
  task.StartTimer(1);
  std::vector<double> ms;
  ms.reserve(kTicks);
  for (int tick = 0; tick < kTicks; ++tick) {
    const auto start = std::chrono::steady_clock::now();
    timers.Step();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  task.StopTimer();
  char what[64];
  std::snprintf(what, sizeof what, "callback per tick, %d events", eventCount);
  PrintDeviations(what, ms);
}

}  // namespace

int main() {
  Measure(10'000);
  Measure(1'000'000);
  std::printf("goal: below 0.2 ms per tick for both\n");
}
