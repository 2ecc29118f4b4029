#pragma once
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <ostream>
#include <vector>

#include "platform/Clock.h"
#include "sound/MidiOutput.h"

// One message a test device received: the packed short message, or a reset, with the
// millisecond clock (a VirtualClock in tests) at the moment it was sent.
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
  }

 private:
  void Add(const MidiRecord& r) {
    std::lock_guard lock(mutex_);
    records_.push_back(r);
  }

  mutable std::mutex mutex_;
  std::vector<MidiRecord> records_;
};
