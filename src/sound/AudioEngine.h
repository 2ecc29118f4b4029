#pragma once
#include <memory>
#include <string>

#include "sound/AudioOutput.h"
#include "sound/Mixer.h"
#include "sound/Synth.h"
#include "sound/WaveSource.h"

// The process's sound: the mixer with the built-in synthesiser and the wave source, and the
// audio output that plays it. Used from the user-interface thread.
class AudioEngine {
 public:
  AudioEngine() = default;
  ~AudioEngine() { StopOutput(); }
  AudioEngine(const AudioEngine&) = delete;
  AudioEngine& operator=(const AudioEngine&) = delete;

  Mixer& GetMixer() { return mixer_; }
  WaveSource& Wave() { return wave_; }
  // Installs the synthesiser and starts the audio output.
  void AttachSynth(std::unique_ptr<Synth> synth);
  // Stops the output and removes the synthesiser.
  void DetachSynth();
  // Starts the audio output unless it runs; a failed try is not repeated.
  void EnsureOutput();
  void StopOutput();
  const AudioOutput* Output() const { return output_.get(); }
  // Empty while sound plays; otherwise a line for the status bar saying that it does not.
  std::string StatusText() const;

 private:
  WaveSource wave_;
  Mixer mixer_{wave_};
  std::unique_ptr<Synth> synth_;
  std::unique_ptr<AudioOutput> output_;
  bool outputFailed_ = false;
};

AudioEngine& GetAudioEngine();
