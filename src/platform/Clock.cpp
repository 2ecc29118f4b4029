#include "platform/Clock.h"

#include <poll.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace {
SystemClock systemClock;
std::atomic<Clock*> current{nullptr};
std::atomic<int> interruptionFd{-1};
}  // namespace

void SetWaitInterruption(int fd) { interruptionFd.store(fd); }

uint32_t SystemClock::NowMs() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void SystemClock::WaitMs(uint32_t ms) {
  using std::chrono::steady_clock;
  const auto deadline = steady_clock::now() + std::chrono::milliseconds(ms);
  const int fd = interruptionFd.load();
  if (fd < 0) {
    std::this_thread::sleep_until(deadline);
    return;
  }
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - steady_clock::now()).count();
    if (left <= 0) return;
    pollfd watched{fd, POLLIN, 0};
    const int ready = ::poll(&watched, 1, static_cast<int>(left));
    if (ready > 0) return;                     // interrupted (or the fd broke): wait no longer
    if (ready < 0 && errno != EINTR) return;  // cannot wait on it: never hang
  }
}

Clock& CurrentClock() {
  Clock* c = current.load();
  return c ? *c : systemClock;
}

void SetClock(Clock* clock) { current.store(clock); }

uint32_t timeGetTime() { return CurrentClock().NowMs(); }
