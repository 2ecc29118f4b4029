#pragma once
#include <atomic>
#include <string>

#include "sound/FluidHandles.h"
#include "sound/Mixer.h"

// The sound card: one FluidSynth audio driver that plays the mixer with a small period.
// It tries pulseaudio, then the system's default driver, alsa, sdl2 and jack. The driver's
// thread asks for real-time scheduling (FluidSynth tries the thread attributes, then rtkit);
// where the system refuses, it runs at normal priority.
class AudioOutput {
 public:
  // 23 ms at 44100 Hz. FluidSynth asks PulseAudio to hold one period; with 128 or 512
  // frames the server ran dry under load (clicks, cut tones), with 1024 it did not. A key
  // played on the piano is heard about two periods after the click.
  static constexpr int kPeriodFrames = 1024;
  static constexpr int kPeriods = 2;
  static constexpr int kRealTimePriority = 60;

  // Opens the first driver that works; Running() tells whether one did.
  explicit AudioOutput(Mixer& mixer);
  // Closes the driver; no callback runs after this.
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  bool Running() const { return driver_ != nullptr; }
  const std::string& DriverName() const { return driverName_; }
  int PeriodFrames() const { return periodFrames_; }
  double PeriodMs() const { return periodFrames_ * 1000.0 / Synth::kSampleRate; }
  // What the driver buffers: all its periods.
  double BufferMs() const { return periodFrames_ * periods_ * 1000.0 / Synth::kSampleRate; }
  // Whether the audio thread runs with real-time scheduling (known after its first block).
  bool RealTime() const { return realTime_.load(); }

 private:
  static int Callback(void* data, int len, int nfx, float* fx[], int nout, float* out[]);
  void NoteScheduling();
  bool TryDriver(const char* name);

  Mixer& mixer_;
  FluidSettingsPtr settings_;
  FluidAudioDriverPtr driver_;
  std::string driverName_;
  int periodFrames_ = kPeriodFrames;
  int periods_ = kPeriods;
  std::atomic<bool> realTime_{false};
  std::atomic<bool> schedulingNoted_{false};
};

// Looking for a JACK server (sound or MIDI) must never start one: that takes seconds and leaves
// a server running when the program ends. Call at start, before any thread is running.
void ForbidJackServerStart();
