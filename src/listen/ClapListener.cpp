#include "listen/ClapListener.h"

#include <algorithm>
#include <cmath>

#include "platform/Clock.h"

namespace {
// How much later the estimate may move at each block: 0.2 ms, far more than clocks drift.
constexpr double kCreepMs = 0.2;
}  // namespace

void SampleClock::BlockArrived(int64_t endPosition, uint32_t arrivalMs) {
  if (!known_) {
    known_ = true;
    base_ = arrivalMs;
    zeroMs_ = -static_cast<double>(endPosition) * 1000.0 / rate_;
    return;
  }
  const double candidate =
      static_cast<int32_t>(arrivalMs - base_) - static_cast<double>(endPosition) * 1000.0 / rate_;
  zeroMs_ = std::min(candidate, zeroMs_ + kCreepMs);
}

uint32_t SampleClock::ClockOf(int64_t position) const {
  const double ms = zeroMs_ + static_cast<double>(position) * 1000.0 / rate_;
  return base_ + static_cast<uint32_t>(static_cast<int64_t>(std::llround(ms)));
}

ClapListener::ClapListener(std::function<void(uint32_t atMs)> onClap) : onClap_(std::move(onClap)), capture_(*this) {}

ClapListener::~ClapListener() { capture_.Close(); }

void ClapListener::Started(uint32_t sampleRate) {
  detector_ = std::make_unique<ClapDetector>(sampleRate);
  clock_ = std::make_unique<SampleClock>(sampleRate);
  position_ = 0;
}

void ClapListener::Block(std::span<const float> samples) {
  if (!detector_) return;
  const uint32_t arrival = timeGetTime();
  position_ += static_cast<int64_t>(samples.size());
  clock_->BlockArrived(position_, arrival);
  for (const int64_t clap : detector_->Feed(samples)) {
    if (onClap_) onClap_(clock_->ClockOf(clap));
  }
}
