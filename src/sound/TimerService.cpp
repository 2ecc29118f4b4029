#include "sound/TimerService.h"

#include <sys/prctl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using SteadyClock = std::chrono::steady_clock;

// A late tick is caught up (no drift); after a stall of this many periods the timer
// starts counting from now instead of firing a burst.
constexpr int kMaxCatchUpPeriods = 10;

// One timer thread for all timers, like the system's multimedia timer: each timer ticks on
// absolute deadlines of the monotonic clock, so the error of one tick never adds to the next.
class TimerThread final : public TimerService {
 public:
  ~TimerThread() override {
    {
      std::lock_guard lock(mutex_);
      quit_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
  }

  uint32_t SetEvent(uint32_t periodMs, Callback callback, void* user) override {
    std::lock_guard lock(mutex_);
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
    if (++nextId_ == 0) ++nextId_;
    const auto period = std::chrono::milliseconds(std::max<uint32_t>(periodMs, 1));
    timers_.push_back({nextId_, period, SteadyClock::now() + period, callback, user});
    wake_.notify_all();
    return nextId_;
  }

  void KillEvent(uint32_t id) override {
    std::unique_lock lock(mutex_);
    std::erase_if(timers_, [id](const Timer& t) { return t.id == id; });
    if (std::this_thread::get_id() == thread_.get_id()) return;  // from a callback
    idle_.wait(lock, [&] { return running_ != id; });
  }

 private:
  struct Timer {
    uint32_t id;
    SteadyClock::duration period;
    SteadyClock::time_point deadline;
    Callback callback;
    void* user;
  };

  void Run() {
    prctl(PR_SET_TIMERSLACK, 1UL);  // wake within microseconds of each deadline
    std::unique_lock lock(mutex_);
    while (!quit_) {
      auto next = std::min_element(timers_.begin(), timers_.end(),
                                   [](const Timer& a, const Timer& b) { return a.deadline < b.deadline; });
      if (next == timers_.end()) {
        wake_.wait(lock);
        continue;
      }
      const auto now = SteadyClock::now();
      if (now < next->deadline) {
        wake_.wait_until(lock, next->deadline);
        continue;
      }
      next->deadline += next->period;
      if (now - next->deadline > kMaxCatchUpPeriods * next->period) next->deadline = now + next->period;
      const Timer due = *next;
      running_ = due.id;
      lock.unlock();
      due.callback(due.user);
      lock.lock();
      running_ = 0;
      idle_.notify_all();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::vector<Timer> timers_;
  std::thread thread_;
  uint32_t nextId_ = 0;
  uint32_t running_ = 0;
  bool quit_ = false;
};

TimerThread& RealService() {
  static TimerThread service;
  return service;
}

std::atomic<TimerService*> installed{nullptr};

}  // namespace

TimerService& GetTimerService() {
  TimerService* s = installed.load();
  return s ? *s : RealService();
}

void SetTimerService(TimerService* service) { installed.store(service); }
