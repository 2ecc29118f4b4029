#include "sound/WaveSource.h"

namespace {
constexpr float kFullScale = 32768.0f;
}

void WaveSource::Play(std::vector<int16_t> samples, bool loop) {
  {
    std::lock_guard lock(mutex_);
    samples_.swap(samples);
    position_ = 0;
    loop_ = loop;
    playing_ = !samples_.empty();
  }
  // The old buffer is freed here, outside the lock the audio thread takes.
}

void WaveSource::Stop() {
  std::lock_guard lock(mutex_);
  playing_ = false;
  position_ = 0;
}

bool WaveSource::Playing() const {
  std::lock_guard lock(mutex_);
  return playing_;
}

void WaveSource::MixInto(float* left, float* right, int frames) {
  std::lock_guard lock(mutex_);
  for (int i = 0; i < frames && playing_; ++i) {
    const float v = static_cast<float>(samples_[position_]) / kFullScale;
    left[i] += v;
    right[i] += v;
    if (++position_ == samples_.size()) {
      position_ = 0;
      playing_ = loop_;
    }
  }
}
