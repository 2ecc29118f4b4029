#include "sound/MidiInNoteQueue.h"

bool MidiInNoteQueue::Push(uint32_t note) {
  std::lock_guard lock(mutex_);
  if (count_ == kCapacity) {
    ++dropped_;
    return false;
  }
  ring_[(head_ + count_) % kCapacity] = note;
  ++count_;
  const bool wake = !wakePending_;
  wakePending_ = true;
  return wake;
}

std::optional<uint32_t> MidiInNoteQueue::Pop() {
  std::lock_guard lock(mutex_);
  if (count_ == 0) {
    wakePending_ = false;
    return std::nullopt;
  }
  const uint32_t note = ring_[head_];
  head_ = (head_ + 1) % kCapacity;
  --count_;
  return note;
}

size_t MidiInNoteQueue::Size() const {
  std::lock_guard lock(mutex_);
  return count_;
}

uint64_t MidiInNoteQueue::Dropped() const {
  std::lock_guard lock(mutex_);
  return dropped_;
}
