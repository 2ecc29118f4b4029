#include "sound/TimedMidiQueue.h"

bool TimedMidiQueue::Push(const TimedMidiMessage& message) {
  std::lock_guard lock(mutex_);
  if (count_ == kCapacity) return false;
  ring_[(head_ + count_) % kCapacity] = message;
  ++count_;
  return true;
}

std::optional<TimedMidiMessage> TimedMidiQueue::Front() const {
  std::lock_guard lock(mutex_);
  if (count_ == 0) return std::nullopt;
  return ring_[head_];
}

void TimedMidiQueue::Pop() {
  std::lock_guard lock(mutex_);
  if (count_ == 0) return;
  head_ = (head_ + 1) % kCapacity;
  --count_;
}

bool TimedMidiQueue::Empty() const {
  std::lock_guard lock(mutex_);
  return count_ == 0;
}
