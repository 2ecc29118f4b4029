#include "sound/SteppedTimerService.h"

#include <algorithm>

uint32_t SteppedTimerService::SetEvent(uint32_t periodMs, Callback callback, void* user) {
  if (++nextId_ == 0) ++nextId_;
  const uint32_t period = std::max<uint32_t>(periodMs, 1);
  timers_.push_back({nextId_, period, now_ + period, callback, user});
  return nextId_;
}

void SteppedTimerService::KillEvent(uint32_t id) {
  std::erase_if(timers_, [id](const Timer& t) { return t.id == id; });
}

const SteppedTimerService::Timer* SteppedTimerService::Next() const {
  auto it = std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) {
    return a.deadline != b.deadline ? a.deadline < b.deadline : a.id < b.id;
  });
  return it == timers_.end() ? nullptr : &*it;
}

bool SteppedTimerService::Step() {
  const Timer* next = Next();
  if (!next) return false;
  SetNow(next->deadline);
  FireDue(next->id);
  return true;
}

void SteppedTimerService::AdvanceMs(uint32_t ms) {
  const uint64_t end = now_ + ms;
  for (const Timer* next = Next(); next && next->deadline <= end; next = Next()) {
    SetNow(next->deadline);
    FireDue(next->id);
  }
  SetNow(end);
}

void SteppedTimerService::Fire(uint32_t id) { Call(id, false); }

void SteppedTimerService::FireDue(uint32_t id) { Call(id, true); }

void SteppedTimerService::Call(uint32_t id, bool nextPeriod) {
  auto it = std::find_if(timers_.begin(), timers_.end(), [id](const Timer& t) { return t.id == id; });
  if (it == timers_.end()) return;
  if (nextPeriod) it->deadline += it->period;
  const Timer due = *it;  // the callback may kill or add timers
  due.callback(due.user);
}

bool SteppedTimerService::IsRunning(uint32_t id) const {
  return std::any_of(timers_.begin(), timers_.end(), [id](const Timer& t) { return t.id == id; });
}

uint32_t SteppedTimerService::PeriodMs(uint32_t id) const {
  for (const Timer& t : timers_) {
    if (t.id == id) return t.period;
  }
  return 0;
}

void SteppedTimerService::SetNow(uint64_t t) {
  now_ = t;
  if (clock_) clock_->Set(origin_ + static_cast<uint32_t>(t));
}
