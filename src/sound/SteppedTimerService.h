#pragma once
#include <cstdint>
#include <vector>

#include "platform/Clock.h"
#include "sound/TimerService.h"

// A timer service that tests step by hand: nothing fires until the test advances time.
// With a virtual clock, the clock shows each tick's ideal time while its callback runs.
class SteppedTimerService final : public TimerService {
 public:
  explicit SteppedTimerService(VirtualClock* clock = nullptr) : clock_(clock) {}

  uint32_t SetEvent(uint32_t periodMs, Callback callback, void* user) override;
  void KillEvent(uint32_t id) override;

  // Fires the timer whose deadline comes next, moving time to it; false when none runs.
  bool Step();
  // Moves time on by ms, firing every deadline on the way in time order.
  void AdvanceMs(uint32_t ms);
  // Fires a timer's callback once without moving time.
  void Fire(uint32_t id);

  bool IsRunning(uint32_t id) const;
  size_t RunningCount() const { return timers_.size(); }
  // Period of a running timer, 0 for an unknown id.
  uint32_t PeriodMs(uint32_t id) const;
  uint32_t NowMs() const { return clock_ ? clock_->NowMs() : now_; }

 private:
  struct Timer {
    uint32_t id;
    uint32_t period;
    uint64_t deadline;
    Callback callback;
    void* user;
  };
  void SetNow(uint64_t t);
  void FireDue(uint32_t id);
  void Call(uint32_t id, bool nextPeriod);
  const Timer* Next() const;

  VirtualClock* clock_;
  std::vector<Timer> timers_;
  uint64_t now_ = 0;  // time since the service was made, in ms
  uint32_t origin_ = clock_ ? clock_->NowMs() : 0;
  uint32_t nextId_ = 0;
};

// Installs a timer service for the lifetime of a scope (tests).
class ScopedTimerService {
 public:
  explicit ScopedTimerService(TimerService& service) { SetTimerService(&service); }
  ~ScopedTimerService() { SetTimerService(nullptr); }
  ScopedTimerService(const ScopedTimerService&) = delete;
  ScopedTimerService& operator=(const ScopedTimerService&) = delete;
};
