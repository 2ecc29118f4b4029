#pragma once
#include <atomic>
#include <cstdint>

#include "sound/MidiOutput.h"
#include "sound/Synth.h"
#include "sound/TimedMidiQueue.h"
#include "sound/WaveSource.h"

// What the audio output plays: the built-in synthesiser (when there is one) plus the wave
// source, at the output's rate. While an audio thread renders it, messages sent now (a key
// played or clicked) reach the synthesiser at the first sample of the next block, whatever
// waits on the timeline. Messages put on the timeline ahead of time are timed to the sample:
// each is played one audio period after its due time, at its own position inside the block.
// A block rendered late never crowds the messages already due into its first sample: the
// whole timeline slips by the delay, so their spacing stays.
class Mixer {
 public:
  explicit Mixer(WaveSource& wave) : wave_(wave) {}

  // Only while no audio thread renders.
  void SetSynth(Synth* synth) { synth_ = synth; }
  Synth* GetSynth() const { return synth_; }
  WaveSource& Wave() { return wave_; }

  static constexpr int kDefaultRate = 44100;

  // Timed delivery with the given latency at the rate (an audio thread renders), or none:
  // each message then reaches the synthesiser at once. Switching it off plays what is still
  // queued. Only while no audio thread renders.
  void SetTimed(bool timed, int latencyFrames, int rate);
  int Rate() const { return rate_; }
  double NsPerFrame() const { return nsPerFrame_; }
  bool Timed() const { return timed_; }
  // Whether the audio output has been taking blocks steadily for a while. A sound server
  // may hold a new stream for a second or more before it plays it.
  bool Flowing() const;

  // From any thread: at once, beside the timeline.
  void Send(uint32_t message);
  void Reset();
  // Ahead of time, only while timed: the message or reset is played as if it had been sent
  // at dueNs (steady clock). Calls come in the order of their due times.
  void SendAt(uint32_t message, int64_t dueNs);
  void ResetAt(int64_t dueNs);

  // Renders frames into the buffers (overwriting them). The audio thread passes the
  // monotonic time of the block's first frame; queued messages go to their sample positions.
  void Render(float* left, float* right, int frames, int64_t blockStartNs);
  // The audio driver's callback: renders with the block time taken from the steady clock.
  void RenderNow(float* left, float* right, int frames);
  // Renders without timing (tests, and offline use): queued messages are played at once.
  void RenderOffline(float* left, float* right, int frames);

  static int64_t NowNs();
  // The steady-clock time of a moment of the program's millisecond clock (the system clock's
  // timeGetTime, which counts the steady clock's milliseconds in 32 bits).
  static int64_t ClockMsToNs(uint32_t ms);

 private:
  void Deliver(const TimedMidiMessage& m);
  void RenderSynth(float* left, float* right, int frames);
  void FlushQueue();

  WaveSource& wave_;
  Synth* synth_ = nullptr;
  TimedMidiQueue queue_;  // the timeline
  TimedMidiQueue live_;   // sent now
  int rate_ = kDefaultRate;
  double nsPerFrame_ = 1e9 / kDefaultRate;
  std::atomic<bool> timed_{false};
  std::atomic<int64_t> latencyNs_{0};
  // Smoothed time of the next block's first frame (audio thread only).
  int64_t nextBlockNs_ = 0;
  bool blockClockValid_ = false;
  // How far the queued messages have slipped behind their times because a block came late
  // (audio thread only); back to zero once the queue has run empty.
  int64_t slipNs_ = 0;
  // The last audio callback, and the first of the current run without a long pause.
  std::atomic<int64_t> lastCallbackNs_{0};
  std::atomic<int64_t> steadySinceNs_{0};
};

// The built-in synthesiser as a MIDI output device.
class MixerMidiOut final : public MidiOutDevice {
 public:
  explicit MixerMidiOut(Mixer& mixer) : mixer_(mixer) {}
  void ShortMsg(uint32_t message) override { mixer_.Send(message); }
  void Reset() override { mixer_.Reset(); }
  bool HasTimeline() const override { return mixer_.Timed(); }
  bool Ready() const override { return !mixer_.Timed() || mixer_.Flowing(); }
  void ShortMsgAt(uint32_t message, uint32_t dueMs) override { mixer_.SendAt(message, Mixer::ClockMsToNs(dueMs)); }
  void ResetAt(uint32_t dueMs) override { mixer_.ResetAt(Mixer::ClockMsToNs(dueMs)); }
  void Prepare(uint32_t message) override {
    if (Synth* synth = mixer_.GetSynth()) synth->PrepareFor(message);
  }

 private:
  Mixer& mixer_;
};
