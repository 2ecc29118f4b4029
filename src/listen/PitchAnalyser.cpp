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
  const AubioLibrary* a = LoadedAubio();
  if (!a) {
    aubio_.reset();
    return;
  }
  const char* method = options_.method == "yin" || options_.method == "yinfft" ? options_.method.c_str() : "yinfast";
  aubio_->pitch.reset(a->newPitch(method, windowSize_, hopSize_, sampleRate_));
  aubio_->onset.reset(a->newOnset(options_.onsetMethod.c_str(), windowSize_, hopSize_, sampleRate_));
  if (!aubio_->onset) aubio_->onset.reset(a->newOnset("specflux", windowSize_, hopSize_, sampleRate_));
  aubio_->hop.reset(a->newFvec(hopSize_));
  aubio_->pitchOut.reset(a->newFvec(1));
  aubio_->onsetOut.reset(a->newFvec(1));
  if (!aubio_->pitch || !aubio_->onset || !aubio_->hop || !aubio_->pitchOut || !aubio_->onsetOut) {
    aubio_.reset();
    return;
  }
  a->pitchSetUnit(aubio_->pitch.get(), "midi");
  a->pitchSetSilence(aubio_->pitch.get(), options_.silenceDb);
  a->onsetSetThreshold(aubio_->onset.get(), options_.onsetThreshold);
  a->onsetSetSilence(aubio_->onset.get(), options_.silenceDb);
  a->onsetSetMinioiMs(aubio_->onset.get(), 100);
}

PitchAnalyser::~PitchAnalyser() = default;

void PitchAnalyser::Feed(std::span<const float> samples, std::vector<PitchFrame>& frames) {
  if (!aubio_) return;  // without aubio nothing is heard
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
  const AubioLibrary& a = *LoadedAubio();
  a.pitchDo(aubio_->pitch.get(), aubio_->hop.get(), aubio_->pitchOut.get());
  a.onsetDo(aubio_->onset.get(), aubio_->hop.get(), aubio_->onsetOut.get());
  frame.onset = aubio_->onsetOut->data[0] != 0;
  frame.confidence = std::clamp<float>(a.pitchGetConfidence(aubio_->pitch.get()), 0, 1);
  const float midi = aubio_->pitchOut->data[0];
  const bool voiced = std::isfinite(midi) && midi >= options_.lowestMidi && midi <= options_.highestMidi &&
                      frame.confidence >= options_.minConfidence && frame.levelDb >= options_.silenceDb;
  frame.midi = voiced ? midi : 0;
  return frame;
}
