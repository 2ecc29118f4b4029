#include "listen/PitchAnalyser.h"

#include <algorithm>
#include <cmath>

#include "listen/AubioHandles.h"

namespace {

// The window holds at least 40 ms, three periods of the lowest voice; a hop is an eighth of it.
uint32_t WindowSizeFor(uint32_t sampleRate) {
  const uint32_t wanted = std::max<uint32_t>(sampleRate / 25, 256);
  uint32_t size = 256;
  while (size < wanted) size *= 2;
  return size;
}

float LevelDb(const fvec_t& hop) {
  double sum = 0;
  for (uint_t i = 0; i < hop.length; ++i) sum += double(hop.data[i]) * hop.data[i];
  const double meanSquare = sum / std::max<uint_t>(hop.length, 1);
  return meanSquare > 1e-12 ? float(10 * std::log10(meanSquare)) : -120.0f;
}

}  // namespace

struct PitchAnalyser::Aubio {
  AubioPitchPtr pitch;
  AubioOnsetPtr onset;
  AubioVectorPtr hop;
  AubioVectorPtr pitchOut;
  AubioVectorPtr onsetOut;
};

PitchAnalyser::PitchAnalyser(uint32_t sampleRate, const PitchAnalyserOptions& options)
    : sampleRate_(std::clamp<uint32_t>(sampleRate, 8000, 192000)),
      windowSize_(WindowSizeFor(sampleRate_)),
      hopSize_(windowSize_ / 8),
      options_(options),
      aubio_(std::make_unique<Aubio>()) {
  const char* method = options_.method == "yin" || options_.method == "yinfft" ? options_.method.c_str() : "yinfast";
  aubio_->pitch.reset(new_aubio_pitch(method, windowSize_, hopSize_, sampleRate_));
  aubio_pitch_set_unit(aubio_->pitch.get(), "midi");
  aubio_pitch_set_silence(aubio_->pitch.get(), options_.silenceDb);
  aubio_->onset.reset(new_aubio_onset(options_.onsetMethod.c_str(), windowSize_, hopSize_, sampleRate_));
  if (!aubio_->onset) aubio_->onset.reset(new_aubio_onset("specflux", windowSize_, hopSize_, sampleRate_));
  aubio_onset_set_threshold(aubio_->onset.get(), options_.onsetThreshold);
  aubio_onset_set_silence(aubio_->onset.get(), options_.silenceDb);
  aubio_onset_set_minioi_ms(aubio_->onset.get(), 100);
  aubio_->hop.reset(new_fvec(hopSize_));
  aubio_->pitchOut.reset(new_fvec(1));
  aubio_->onsetOut.reset(new_fvec(1));
}

PitchAnalyser::~PitchAnalyser() = default;

void PitchAnalyser::Feed(std::span<const float> samples, std::vector<PitchFrame>& frames) {
  fvec_t& hop = *aubio_->hop;
  while (!samples.empty()) {
    const size_t take = std::min<size_t>(samples.size(), hopSize_ - filled_);
    for (size_t i = 0; i < take; ++i) {
      const float sample = samples[i];
      hop.data[filled_ + i] = std::isfinite(sample) ? std::clamp(sample, -1.0f, 1.0f) : 0.0f;
    }
    filled_ += uint32_t(take);
    samples = samples.subspan(take);
    if (filled_ == hopSize_) {
      frames.push_back(AnalyseHop());
      filled_ = 0;
    }
  }
}

PitchFrame PitchAnalyser::AnalyseHop() {
  ++hops_;
  PitchFrame frame;
  frame.seconds = double(hops_) * hopSize_ / sampleRate_;
  frame.levelDb = LevelDb(*aubio_->hop);
  aubio_pitch_do(aubio_->pitch.get(), aubio_->hop.get(), aubio_->pitchOut.get());
  aubio_onset_do(aubio_->onset.get(), aubio_->hop.get(), aubio_->onsetOut.get());
  frame.onset = aubio_->onsetOut->data[0] != 0;
  frame.confidence = std::clamp<float>(aubio_pitch_get_confidence(aubio_->pitch.get()), 0, 1);
  const float midi = aubio_->pitchOut->data[0];
  const bool voiced = std::isfinite(midi) && midi >= options_.lowestMidi && midi <= options_.highestMidi &&
                      frame.confidence >= options_.minConfidence && frame.levelDb >= options_.silenceDb;
  frame.midi = voiced ? midi : 0;
  return frame;
}
