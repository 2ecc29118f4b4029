#include "sound/AudioEngine.h"

#include <cmath>

#include "platform/UiThread.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"
#include "text/TextIds.h"

void AudioEngine::AttachSynth(std::unique_ptr<Synth> synth) {
  StopOutput();
  synth_ = std::move(synth);
  mixer_.SetSynth(synth_.get());
  EnsureOutput();
  if (!output_ || !synth_ || output_->Rate() == synth_->Rate()) return;
  StopOutput();
  mixer_.SetSynth(nullptr);
  synth_ = Synth::Create(synth_->SoundFontPath(), output_->Rate());
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
  OpenOutput();
  if (!output_) outputFailed_ = true;
}

void AudioEngine::OpenOutput() {
  // Told from the audio thread (which ends before this engine does); looked at on this one,
  // unless the engine has gone by then.
  auto underrun = [this, alive = std::weak_ptr<const bool>(alive_)] {
    if (checkPosted_.exchange(true)) return;
    PostToUiThread([this, alive] {
      if (alive.lock()) CheckUnderruns();
    });
  };
  auto output = std::make_unique<AudioOutput>(mixer_, synth_ ? synth_->Rate() : 0, latency_, underrun);
  if (output->Running()) output_ = std::move(output);
}

void AudioEngine::StopOutput() {
  if (!output_) return;
  output_.reset();
  mixer_.SetTimed(false, 0, 0);
}

int AudioEngine::Rate() const {
  if (output_) return output_->Rate();
  return synth_ ? synth_->Rate() : mixer_.Rate();
}

void AudioEngine::SetLatency(AudioLatency latency) {
  if (latency == latency_) return;
  latency_ = latency;
  if (!output_ || output_->ServerPeriod()) return;
  output_.reset();  // what the mixer holds waits for the new output
  OpenOutput();
  if (output_) return;
  outputFailed_ = true;
  mixer_.SetTimed(false, 0, 0);
}

void AudioEngine::CheckUnderruns() {
  checkPosted_ = false;
  if (!output_ || output_->ServerPeriod() || latency_ == AudioLatency::kSafe) return;
  if (output_->Underruns() < kUnderrunsToRaise) return;
  SetLatency(Raised(latency_));
  if (!output_ || raiseNoticed_ || !notice_) return;
  raiseNoticed_ = true;
  notice_(StrFormat("%s%d ms", T(txt::kAudioLatencyRaised).c_str(), static_cast<int>(std::lround(output_->BufferMs()))));
}

std::string AudioEngine::StatusText() const {
  if (!outputFailed_) return {};
  return "No audio device could be opened: the built-in synthesiser and the tuning fork are silent.";
}

AudioEngine& GetAudioEngine() {
  static AudioEngine engine;
  return engine;
}
