#pragma once
#include <string>

#include "sound/FluidHandles.h"
#include "sound/Mixer.h"

// The sound card: one FluidSynth audio driver that plays the mixer with a small period.
// It tries the system's default driver, then pulseaudio, alsa, sdl2 and jack.
class AudioOutput {
 public:
  static constexpr int kPeriodFrames = 128;  // 2.9 ms at 44100 Hz
  static constexpr int kPeriods = 2;

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

 private:
  static int Callback(void* data, int len, int nfx, float* fx[], int nout, float* out[]);
  bool TryDriver(const char* name);

  Mixer& mixer_;
  FluidSettingsPtr settings_;
  FluidAudioDriverPtr driver_;
  std::string driverName_;
  int periodFrames_ = kPeriodFrames;
  int periods_ = kPeriods;
};
