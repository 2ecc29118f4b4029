#pragma once
#include <cstdint>
#include <mutex>
#include <vector>

// The wave part of the mixer: 16-bit mono samples at the mixer's rate, played once or
// looped. A new buffer replaces the playing one whole, between two audio blocks.
class WaveSource {
 public:
  void Play(std::vector<int16_t> samples, bool loop);
  void Stop();
  bool Playing() const;
  // Adds the next frames to both channels.
  void MixInto(float* left, float* right, int frames);

 private:
  mutable std::mutex mutex_;
  std::vector<int16_t> samples_;
  size_t position_ = 0;
  bool loop_ = false;
  bool playing_ = false;
};
