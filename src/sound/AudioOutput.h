#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "sound/AudioLatency.h"
#include "sound/FluidHandles.h"
#include "sound/Mixer.h"
#include "sound/UnderrunCounter.h"

// The sound card: one FluidSynth audio driver that plays the mixer. A running JACK server comes
// first (its rate and period are the server's); then PulseAudio (or PipeWire's PulseAudio
// server) at its default sink's rate, the system's default driver, ALSA at the rate its device
// gives, SDL2, and JACK. The driver's thread asks for real-time scheduling (FluidSynth tries
// the thread attributes, then rtkit); where the system refuses, it runs at normal priority.
class AudioOutput {
 public:
  static constexpr int kPeriods = 2;
  static constexpr int kRealTimePriority = 60;

  // Opens the first driver that works at wantedRate (0: the rate the server or device
  // prefers; a JACK server always runs at its own); Running() tells whether one did.
  // onUnderrun runs on the audio thread when a block came too late to keep the sound flowing.
  AudioOutput(Mixer& mixer, int wantedRate, AudioLatency latency, std::function<void()> onUnderrun = {});
  // Closes the driver; no callback runs after this. The mixer keeps what it has queued.
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  bool Running() const { return driver_ != nullptr; }
  const std::string& DriverName() const { return driverName_; }
  int Rate() const { return rate_; }
  int PeriodFrames() const { return periodFrames_; }
  double PeriodMs() const { return periodFrames_ * 1000.0 / rate_; }
  // What the driver buffers: all its periods.
  double BufferMs() const { return periodFrames_ * periods_ * 1000.0 / rate_; }
  // Whether the audio thread runs with real-time scheduling (known after its first block).
  bool RealTime() const { return realTime_.load(); }
  // Times the sound ran dry since the output opened (UnderrunCounter).
  uint64_t Underruns() const { return underruns_.load(); }
  // Whether the period is the server's own (JACK): no latency choice changes it.
  bool ServerPeriod() const { return serverPeriod_; }

 private:
  static int Callback(void* data, int len, int nfx, float* fx[], int nout, float* out[]);
  void NoteScheduling();
  void NoteBlockTime(int frames);
  bool TryDriver(const char* name, int wantedRate, AudioLatency latency);

  Mixer& mixer_;
  std::function<void()> onUnderrun_;
  FluidSettingsPtr settings_;
  FluidAudioDriverPtr driver_;
  std::string driverName_;
  int rate_ = Mixer::kDefaultRate;
  int periodFrames_ = 0;
  int periods_ = kPeriods;
  bool serverPeriod_ = false;
  std::atomic<bool> realTime_{false};
  std::atomic<bool> schedulingNoted_{false};
  std::atomic<uint64_t> underruns_{0};
  UnderrunCounter underrunCounter_{Mixer::kDefaultRate, 0, 0};  // audio thread only
};

// Looking for a JACK server (sound or MIDI) must never start one: that takes seconds and leaves
// a server running when the program ends. Call at start, before any thread is running.
void ForbidJackServerStart();
