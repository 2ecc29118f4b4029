#pragma once
#include <cstdint>

// The audio output's period, as the MIDI settings offer it: the smaller, the sooner a key
// sounds; the larger, the better a busy machine keeps the sound flowing.
enum class AudioLatency : int32_t { kLow = 0, kNormal = 1, kSafe = 2 };
inline constexpr int32_t kAudioLatencyCount = 3;

// The period in frames for the latency at the rate: 256, 512 or 1024 frames up to 48 kHz
// (5.3, 10.7 and 21.3 ms at 48 kHz), twice as many above.
constexpr int PeriodFramesFor(AudioLatency latency, int rate) {
  constexpr int kLowFrames = 256;
  constexpr int kHighRate = 64000;
  const int frames = kLowFrames << static_cast<int32_t>(latency);
  return rate > kHighRate ? 2 * frames : frames;
}

// The next larger latency; the largest stays.
constexpr AudioLatency Raised(AudioLatency latency) {
  return latency == AudioLatency::kLow ? AudioLatency::kNormal : AudioLatency::kSafe;
}
