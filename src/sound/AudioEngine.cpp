#include "sound/AudioEngine.h"

void AudioEngine::AttachSynth(std::unique_ptr<Synth> synth) {
  StopOutput();
  synth_ = std::move(synth);
  mixer_.SetSynth(synth_.get());
  EnsureOutput();
}

void AudioEngine::DetachSynth() {
  StopOutput();
  mixer_.SetSynth(nullptr);
  synth_.reset();
}

void AudioEngine::EnsureOutput() {
  if (output_ || outputFailed_) return;
  auto output = std::make_unique<AudioOutput>(mixer_);
  if (output->Running()) {
    output_ = std::move(output);
  } else {
    outputFailed_ = true;
  }
}

void AudioEngine::StopOutput() { output_.reset(); }

std::string AudioEngine::StatusText() const {
  if (!outputFailed_) return {};
  return "No audio device could be opened: the built-in synthesiser and the tuning fork are silent.";
}

AudioEngine& GetAudioEngine() {
  static AudioEngine engine;
  return engine;
}
