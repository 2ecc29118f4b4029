#include "listen/ClapDetector.h"

#include <algorithm>
#include <cmath>

#include "listen/AubioHandles.h"

namespace {
// About 2.7 ms hops at 48 kHz.
constexpr uint32_t kHopAt48k = 128;
constexpr float kThreshold = 0.3f;
constexpr float kSilenceDb = -50.0f;
constexpr uint32_t kLeastGapMs = 60;
// The attack is looked for this far around aubio's onset.
constexpr double kSearchBeforeMs = 25.0;
constexpr double kSearchAfterMs = 15.0;
constexpr double kHistoryMs = 120.0;
// The first hops only fill the analysis: the noise floor's start is no clap.
constexpr int64_t kWarmUpMs = 50;
// A clap peaks at least this high (-40 dBFS) on any microphone that hears it; a weaker onset is
// the room's noise rising out of digital silence (a source that has just begun to play) or a
// far-off sound.
constexpr float kLeastPeak = 0.01f;
}  // namespace

struct ClapDetector::Aubio {
  AubioOnsetPtr onset;
  AubioVectorPtr hop;
  AubioVectorPtr out;
};

ClapDetector::ClapDetector(uint32_t sampleRate)
    : rate_(std::clamp<uint32_t>(sampleRate, 8000, 192000)),
      hopSize_(std::max<uint32_t>(32, kHopAt48k * rate_ / 48000)),
      windowSize_(hopSize_ * 4),
      aubio_(std::make_unique<Aubio>()),
      history_(static_cast<size_t>(kHistoryMs * rate_ / 1000), 0.0f) {
  const AubioLibrary* a = LoadedAubio();
  if (!a) {
    aubio_.reset();
    return;
  }
  aubio_->onset.reset(a->newOnset("hfc", windowSize_, hopSize_, rate_));
  aubio_->hop.reset(a->newFvec(hopSize_));
  aubio_->out.reset(a->newFvec(1));
  if (!aubio_->onset || !aubio_->hop || !aubio_->out) {
    aubio_.reset();
    return;
  }
  a->onsetSetThreshold(aubio_->onset.get(), kThreshold);
  a->onsetSetSilence(aubio_->onset.get(), kSilenceDb);
  a->onsetSetMinioiMs(aubio_->onset.get(), static_cast<smpl_t>(kLeastGapMs));
}

ClapDetector::~ClapDetector() = default;

float ClapDetector::HistoryAt(int64_t position) const {
  if (position < 0 || position >= fed_ || fed_ - position > static_cast<int64_t>(history_.size())) return 0.0f;
  return history_[static_cast<size_t>(position % static_cast<int64_t>(history_.size()))];
}

std::vector<int64_t> ClapDetector::Feed(std::span<const float> samples) {
  std::vector<int64_t> found;
  if (!aubio_) return found;  // without aubio nothing is heard
  fvec_t& hop = *aubio_->hop;
  for (const float raw : samples) {
    const float sample = std::isfinite(raw) ? std::clamp(raw, -1.0f, 1.0f) : 0.0f;
    history_[static_cast<size_t>(fed_ % static_cast<int64_t>(history_.size()))] = sample;
    ++fed_;
    hop.data[filled_++] = sample;
    if (filled_ == hopSize_) {
      AnalyseHop(found);
      filled_ = 0;
    }
  }
  return found;
}

void ClapDetector::AnalyseHop(std::vector<int64_t>& found) {
  const AubioLibrary& a = *LoadedAubio();
  a.onsetDo(aubio_->onset.get(), aubio_->hop.get(), aubio_->out.get());
  if (aubio_->out->data[0] == 0) return;
  const auto onset = static_cast<int64_t>(a.onsetGetLast(aubio_->onset.get()));
  if (fed_ < kWarmUpMs * rate_ / 1000) return;
  if (PeakAround(onset) < kLeastPeak) return;
  const int64_t clap = AttackOf(onset);
  if (lastClap_ >= 0 && clap - lastClap_ < static_cast<int64_t>(kLeastGapMs) * rate_ / 1000) return;
  lastClap_ = clap;
  found.push_back(clap);
}

float ClapDetector::PeakAround(int64_t onset) const {
  const int64_t first = onset - static_cast<int64_t>(kSearchBeforeMs * rate_ / 1000);
  const int64_t last = std::min<int64_t>(onset + static_cast<int64_t>(kSearchAfterMs * rate_ / 1000), fed_ - 1);
  float peak = 0.0f;
  for (int64_t i = first; i <= last; ++i) peak = std::max(peak, std::fabs(HistoryAt(i)));
  return peak;
}

int64_t ClapDetector::AttackOf(int64_t onset) const {
  const int64_t first = std::max<int64_t>(
      {onset - static_cast<int64_t>(kSearchBeforeMs * rate_ / 1000), fed_ - static_cast<int64_t>(history_.size()), 0});
  const int64_t last = std::min<int64_t>(onset + static_cast<int64_t>(kSearchAfterMs * rate_ / 1000), fed_ - 1);
  // The level, smoothed over half a millisecond so that single peaks of the noise do not count.
  const int64_t width = std::max<int64_t>(1, rate_ / 2000);
  std::vector<float> level;
  for (int64_t i = first; i + width <= last + 1; ++i) {
    float sum = 0.0f;
    for (int64_t k = 0; k < width; ++k) sum += std::fabs(HistoryAt(i + k));
    level.push_back(sum / static_cast<float>(width));
  }
  if (level.empty()) return onset;
  const float peak = *std::max_element(level.begin(), level.end());
  if (peak <= 0.0f) return onset;
  // The attack rises out of the noise: the first place at half the peak.
  for (size_t i = 0; i < level.size(); ++i) {
    if (level[i] >= peak / 2) return first + static_cast<int64_t>(i);
  }
  return onset;
}
