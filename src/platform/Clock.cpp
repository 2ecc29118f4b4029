#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace {
SystemClock systemClock;
std::atomic<Clock*> current{nullptr};
}  // namespace

uint32_t SystemClock::NowMs() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void SystemClock::WaitMs(uint32_t ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  std::this_thread::sleep_until(deadline);
}

Clock& CurrentClock() {
  Clock* c = current.load();
  return c ? *c : systemClock;
}

void SetClock(Clock* clock) { current.store(clock); }

uint32_t timeGetTime() { return CurrentClock().NowMs(); }
