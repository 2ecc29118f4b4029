#pragma once
#include <atomic>
#include <cstdint>

// The program's millisecond clock: 32 bits, wraps after about 49.7 days.
// Tests install a VirtualClock, whose waits return at once and advance virtual time.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t NowMs() = 0;
  // Blocks the calling thread for ms milliseconds without spinning a core.
  virtual void WaitMs(uint32_t ms) = 0;
};

class SystemClock final : public Clock {
 public:
  uint32_t NowMs() override;
  // Sleeps to an absolute deadline on the monotonic clock, or less: see SetWaitInterruption.
  void WaitMs(uint32_t ms) override;
};

// While fd is readable, waits on the system clock return at once. The program points it at the
// pipe its termination signals write to, so that a logout during a playback ends the wait and
// the program closes without sitting out the rest of it. The fd is only looked at, never read.
// -1 (the default) waits the whole time.
void SetWaitInterruption(int fd);

class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(uint32_t startMs = 1000) : now_(startMs) {}
  uint32_t NowMs() override { return now_.load(); }
  void WaitMs(uint32_t ms) override { now_.fetch_add(ms); }
  void Advance(uint32_t ms) { now_.fetch_add(ms); }
  void Set(uint32_t ms) { now_.store(ms); }

 private:
  std::atomic<uint32_t> now_;
};

// The clock in use; the system clock unless a test installed another.
Clock& CurrentClock();
// Installs a clock (nullptr restores the system clock). The caller keeps ownership.
void SetClock(Clock* clock);

// The millisecond clock value of the clock in use.
uint32_t timeGetTime();

// Installs a clock for the lifetime of a scope (tests).
class ScopedClock {
 public:
  explicit ScopedClock(Clock& clock) { SetClock(&clock); }
  ~ScopedClock() { SetClock(nullptr); }
  ScopedClock(const ScopedClock&) = delete;
  ScopedClock& operator=(const ScopedClock&) = delete;
};
