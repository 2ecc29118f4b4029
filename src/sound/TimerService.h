#pragma once
#include <cstdint>

// Periodic timers with millisecond periods, each calling back on the timer thread.
// Killing a timer from inside its own callback is safe; killing it from another thread
// returns only when no callback of it is running.
class TimerService {
 public:
  using Callback = void (*)(void* user);
  virtual ~TimerService() = default;
  // Starts a periodic timer whose first call comes one period from now; returns its id (never 0).
  virtual uint32_t SetEvent(uint32_t periodMs, Callback callback, void* user) = 0;
  // Stops the timer; an unknown id is ignored.
  virtual void KillEvent(uint32_t id) = 0;
};

TimerService& GetTimerService();
// Installs a timer service (tests step one by hand); nullptr restores the real one.
void SetTimerService(TimerService* service);
