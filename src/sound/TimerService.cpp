#include "sound/TimerService.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// One thread per periodic timer, ticking on absolute deadlines of the monotonic clock.
class ThreadTimerService final : public TimerService {
 public:
  ~ThreadTimerService() override {
    std::map<uint32_t, std::unique_ptr<Timer>> all;
    {
      std::lock_guard lock(mutex_);
      all.swap(timers_);
    }
    for (auto& [id, timer] : all) Stop(*timer);
  }

  uint32_t SetEvent(uint32_t periodMs, Callback callback, void* user) override {
    auto timer = std::make_unique<Timer>();
    Timer* t = timer.get();
    t->period = std::chrono::milliseconds(periodMs == 0 ? 1 : periodMs);
    t->callback = callback;
    t->user = user;
    uint32_t id;
    {
      std::lock_guard lock(mutex_);
      id = nextId_++;
      timers_[id] = std::move(timer);
    }
    t->thread = std::thread([t] { Run(*t); });
    return id;
  }

  void KillEvent(uint32_t id) override {
    std::unique_ptr<Timer> timer;
    {
      std::lock_guard lock(mutex_);
      auto it = timers_.find(id);
      if (it == timers_.end()) return;
      timer = std::move(it->second);
      timers_.erase(it);
    }
    if (timer->thread.get_id() == std::this_thread::get_id()) {
      // Killed from its own callback: the thread ends after the callback returns.
      timer->stop = true;
      timer->thread.detach();
      Timer* raw = timer.release();
      raw->selfOwned = true;
      return;
    }
    Stop(*timer);
  }

 private:
  struct Timer {
    std::chrono::milliseconds period{1};
    Callback callback = nullptr;
    void* user = nullptr;
    std::thread thread;
    std::atomic<bool> stop{false};
    std::atomic<bool> selfOwned{false};
    std::mutex m;
    std::condition_variable cv;
  };

  static void Stop(Timer& t) {
    {
      std::lock_guard lock(t.m);
      t.stop = true;
    }
    t.cv.notify_all();
    if (t.thread.joinable()) t.thread.join();
  }

  static void Run(Timer& t) {
    auto deadline = std::chrono::steady_clock::now() + t.period;
    while (true) {
      {
        std::unique_lock lock(t.m);
        if (t.cv.wait_until(lock, deadline, [&] { return t.stop.load(); })) break;
      }
      t.callback(t.user);
      if (t.stop) break;
      deadline += t.period;
    }
    if (t.selfOwned) delete &t;
  }

  std::mutex mutex_;
  std::map<uint32_t, std::unique_ptr<Timer>> timers_;
  uint32_t nextId_ = 1;
};

ThreadTimerService& RealService() {
  static ThreadTimerService service;
  return service;
}

std::atomic<TimerService*> installed{nullptr};

}  // namespace

TimerService& GetTimerService() {
  TimerService* s = installed.load();
  return s ? *s : RealService();
}

void SetTimerService(TimerService* service) { installed.store(service); }
