#pragma once
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <ostream>
#include <vector>

#include "platform/Clock.h"
#include "sound/MidiOutput.h"

// One message a test device received: the packed short message, or a reset, with the
// millisecond clock (a VirtualClock in tests) at the moment it was sent, or, for a message
// put on the timeline ahead of time, its due time.
struct MidiRecord {
  uint32_t timeMs = 0;
  uint32_t message = 0;
  bool reset = false;
  friend bool operator==(const MidiRecord&, const MidiRecord&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const MidiRecord& r) {
  char text[48];
  if (r.reset) {
    std::snprintf(text, sizeof text, "{%u ms: reset}", r.timeMs);
  } else {
    std::snprintf(text, sizeof text, "{%u ms: %06X}", r.timeMs, r.message);
  }
  return os << text;
}

// A MIDI output that records what is sent to it. It is the open output from construction
// to destruction, so every SendShortMsg and ResetMidiOut of the code under test lands here.
class CapturingMidiOut final : public MidiOutDevice {
 public:
  // Stands for a reset in Messages().
  static constexpr uint32_t kReset = 0xFFFFFFFF;

  CapturingMidiOut() { SetMidiOut(this); }
  ~CapturingMidiOut() override { SetMidiOut(nullptr); }
  CapturingMidiOut(const CapturingMidiOut&) = delete;
  CapturingMidiOut& operator=(const CapturingMidiOut&) = delete;

  void ShortMsg(uint32_t message) override { Add({timeGetTime(), message, false}); }
  void Reset() override { Add({timeGetTime(), 0, true}); }
  // Like the built-in synthesiser with a running audio output; false makes it an output
  // without a timeline, such as a MIDI port.
  bool HasTimeline() const override { return timeline_; }
  void SetTimeline(bool timeline) { timeline_ = timeline; }
  void ShortMsgAt(uint32_t message, uint32_t dueMs) override { Add({dueMs, message, false}); }
  void ResetAt(uint32_t dueMs) override { Add({dueMs, 0, true}); }
  // For each record, the clock when it was handed over (before its due time when it was
  // put on the timeline ahead).
  std::vector<uint32_t> HandedMs() const {
    std::lock_guard lock(mutex_);
    return handed_;
  }

  std::vector<MidiRecord> Records() const {
    std::lock_guard lock(mutex_);
    return records_;
  }
  // The messages alone, in order; a reset shows as kReset.
  std::vector<uint32_t> Messages() const {
    std::vector<uint32_t> out;
    for (const MidiRecord& r : Records()) out.push_back(r.reset ? kReset : r.message);
    return out;
  }
  void Clear() {
    std::lock_guard lock(mutex_);
    records_.clear();
    handed_.clear();
  }

 private:
  void Add(const MidiRecord& r) {
    std::lock_guard lock(mutex_);
    records_.push_back(r);
    handed_.push_back(timeGetTime());
  }

  mutable std::mutex mutex_;
  std::vector<MidiRecord> records_;
  std::vector<uint32_t> handed_;
  bool timeline_ = true;
};
