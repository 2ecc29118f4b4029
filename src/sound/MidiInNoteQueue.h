#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>

// The keyboard's notes on their way from the input threads to the user-interface thread,
// oldest first. Fixed size: a note that finds it full is dropped and counted, so an input
// thread never waits for the user-interface thread (busy for seconds while a task plays)
// and nothing grows while that thread does not take. The queue also says when the
// user-interface thread must be woken: once, when the first note comes after it found
// the queue empty.
class MidiInNoteQueue {
 public:
  static constexpr size_t kCapacity = 256;

  // On an input thread. True when the caller must wake the user-interface thread.
  bool Push(uint32_t note);
  // On the user-interface thread: the oldest note; none when the queue is empty, and then
  // the next Push asks for a wake again.
  std::optional<uint32_t> Pop();
  size_t Size() const;
  // Notes dropped because the queue was full, since the program started.
  uint64_t Dropped() const;

 private:
  mutable std::mutex mutex_;
  std::array<uint32_t, kCapacity> ring_{};
  size_t head_ = 0;  // next to pop
  size_t count_ = 0;
  bool wakePending_ = false;
  uint64_t dropped_ = 0;
};
