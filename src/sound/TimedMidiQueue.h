#pragma once
#include <array>
#include <cstdint>
#include <mutex>
#include <optional>

// A short message (or a reset) with the monotonic time at which it was sent.
struct TimedMidiMessage {
  int64_t sentNs = 0;
  uint32_t message = 0;
  bool reset = false;
};

// Messages on their way from the sending threads to the audio thread, oldest first.
// Fixed size: pushing and popping never allocate.
class TimedMidiQueue {
 public:
  static constexpr size_t kCapacity = 4096;
  // False when the queue is full.
  bool Push(const TimedMidiMessage& message);
  std::optional<TimedMidiMessage> Front() const;
  void Pop();
  bool Empty() const;

 private:
  mutable std::mutex mutex_;
  std::array<TimedMidiMessage, kCapacity> ring_{};
  size_t head_ = 0;  // next to pop
  size_t count_ = 0;
};
