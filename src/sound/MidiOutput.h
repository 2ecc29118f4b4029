#pragma once
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "music/MidiMessage.h"

// An open MIDI output: sends short messages and resets (silences every channel).
class MidiOutDevice {
 public:
  virtual ~MidiOutDevice() = default;
  virtual void ShortMsg(uint32_t message) = 0;
  // Silences every note on all 16 channels; programs and controllers stay.
  virtual void Reset() = 0;

  // A device with a sound timeline takes messages ahead of time: each sounds at its due time on
  // the program's millisecond clock (timeGetTime), however late the sending thread runs
  // afterwards. Messages are handed over in the order of their due times.
  virtual bool HasTimeline() const { return false; }
  // Whether what is put on the timeline now will be heard at its time (the sound runs).
  virtual bool Ready() const { return true; }
  // Only on a device with a timeline; the defaults send at once.
  virtual void ShortMsgAt(uint32_t message, uint32_t /*dueMs*/) { ShortMsg(message); }
  virtual void ResetAt(uint32_t /*dueMs*/) { Reset(); }
  // Makes ready what the message will need (a synthesiser loads the channel's instrument), so
  // that sending it later costs no time; sends nothing.
  virtual void Prepare(uint32_t /*message*/) {}
};

// What a send would have sent: a short message, or a reset.
struct MidiSend {
  uint32_t message = 0;
  bool reset = false;
};

// While one exists, the sends of its own thread (SendShortMsg, ResetMidiOut) are collected
// in it instead of reaching the output; other threads send as usual. Lets the playback of a
// task compose the exact messages of the task's note operations before it times them.
class MidiSendCapture {
 public:
  MidiSendCapture();
  ~MidiSendCapture();
  MidiSendCapture(const MidiSendCapture&) = delete;
  MidiSendCapture& operator=(const MidiSendCapture&) = delete;
  const std::vector<MidiSend>& Sends() const { return sends_; }
  void Add(const MidiSend& send) { sends_.push_back(send); }

 private:
  std::vector<MidiSend> sends_;
  MidiSendCapture* outer_;
};

// Sixteen per-channel values that the user-interface thread and the timer thread both use.
// Reads and writes of one element are atomic; the table copies like a plain array.
class MidiChannelTable {
 public:
  using Values = std::array<int32_t, midi::kChannelCount>;
  explicit MidiChannelTable(int32_t initial = 0) { fill(initial); }
  MidiChannelTable(const MidiChannelTable& other) { *this = Values(other); }
  MidiChannelTable& operator=(const MidiChannelTable& other) { return *this = Values(other); }
  MidiChannelTable& operator=(const Values& values) {
    for (size_t i = 0; i < values.size(); ++i) values_[i].store(values[i]);
    return *this;
  }
  operator Values() const {
    Values out{};
    for (size_t i = 0; i < out.size(); ++i) out[i] = values_[i].load();
    return out;
  }
  // The channel number is taken modulo 16, so no index leaves the table.
  std::atomic<int32_t>& operator[](size_t channel) { return values_[channel & midi::kChannelMask]; }
  const std::atomic<int32_t>& operator[](size_t channel) const { return values_[channel & midi::kChannelMask]; }
  void fill(int32_t value) {
    for (auto& v : values_) v.store(value);
  }
  static constexpr size_t size() { return midi::kChannelCount; }
  auto begin() { return values_.begin(); }
  auto end() { return values_.end(); }
  auto begin() const { return values_.begin(); }
  auto end() const { return values_.end(); }

 private:
  std::array<std::atomic<int32_t>, midi::kChannelCount> values_;
};

// Process-wide MIDI state, shared by the user-interface thread and the timer thread.
inline MidiChannelTable channelVelocity{127};
inline MidiChannelTable channelProgram{0};
// The last note PlayNote started on each channel, shifted left by 8.
inline MidiChannelTable lastNoteWord{0};
inline std::atomic<int32_t> metronomeDrumNote{37};
inline std::atomic<int32_t> activeChannel{0};
inline bool midiInFailed = false;

// The open output device, nullptr while none is open.
MidiOutDevice* OpenMidiOut();
// Installs the output (nullptr: none). The caller keeps ownership; once this returns,
// no send to the previous device is still running, so the caller may delete it.
void SetMidiOut(MidiOutDevice* device);
// Sends one short message to the open output; silently nothing without one.
void SendShortMsg(uint32_t message);
// Resets the open output.
void ResetMidiOut();
// Readies the open output for the message without sending it (see MidiOutDevice::Prepare).
void PrepareShortMsg(uint32_t message);
// Whether the open output takes messages ahead of time (see MidiOutDevice::HasTimeline).
bool MidiOutHasTimeline();
// Whether the open output plays what it gets at its time; true without an output.
bool MidiOutReady();
// Timed forms for an output with a timeline: the message or reset sounds at dueMs.
void SendShortMsgAt(uint32_t message, uint32_t dueMs);
void ResetMidiOutAt(uint32_t dueMs);
// Control change 7 with the volume on all 16 channels, channel 0 first.
void SendVolumeToAllChannels(int32_t volume);
// Puts the per-channel tables back to their start values.
void ResetMidiState();
