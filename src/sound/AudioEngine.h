#pragma once
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "sound/AudioLatency.h"
#include "sound/AudioOutput.h"
#include "sound/Mixer.h"
#include "sound/Synth.h"
#include "sound/WaveSource.h"

// The process's sound: the mixer with the built-in synthesiser and the wave source, and the
// audio output that plays it. Used from the user-interface thread.
//
// The output starts with the latency chosen in the MIDI settings. When its blocks come too late
// for the sound to keep flowing (kUnderrunsToRaise times at one latency), it is opened again
// with the next larger one, and the notice handler is told once.
class AudioEngine {
 public:
  static constexpr uint64_t kUnderrunsToRaise = 3;

  AudioEngine() = default;
  ~AudioEngine() { StopOutput(); }
  AudioEngine(const AudioEngine&) = delete;
  AudioEngine& operator=(const AudioEngine&) = delete;

  Mixer& GetMixer() { return mixer_; }
  WaveSource& Wave() { return wave_; }
  // Installs the synthesiser and starts the audio output. A synthesiser made for another rate
  // than the output's is made again at the output's.
  void AttachSynth(std::unique_ptr<Synth> synth);
  // Stops the output and removes the synthesiser.
  void DetachSynth();
  // Starts the audio output unless it runs; a failed try is not repeated.
  void EnsureOutput();
  void StopOutput();
  const AudioOutput* Output() const { return output_.get(); }
  // The rate the sound runs at: the output's, else the synthesiser's, else the mixer's.
  int Rate() const;
  // The latency to open the output with; a running output is opened again when it changes.
  void SetLatency(AudioLatency latency);
  AudioLatency Latency() const { return latency_; }
  // Receives, once, the line for the status bar about a latency raised by underruns.
  void SetNoticeHandler(std::function<void(const std::string&)> handler) { notice_ = std::move(handler); }
  // Empty while sound plays; otherwise a line for the status bar saying that it does not.
  std::string StatusText() const;
  // The output's underruns: raises the latency when there are too many (user-interface thread).
  void CheckUnderruns();

 private:
  void OpenOutput();

  WaveSource wave_;
  Mixer mixer_{wave_};
  std::unique_ptr<Synth> synth_;
  std::unique_ptr<AudioOutput> output_;
  bool outputFailed_ = false;
  AudioLatency latency_ = AudioLatency::kSafe;
  std::function<void(const std::string&)> notice_;
  bool raiseNoticed_ = false;
  std::atomic<bool> checkPosted_{false};
  // Gone with the engine: an underrun check posted to the user-interface thread looks first.
  std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

AudioEngine& GetAudioEngine();
