#pragma once
// Generated claps for the clap detection's tests and benchmark: each a burst of noise, bright
// and short (a few ms rise, about 10 ms decay), heard in a room (a reverberant tail of decaying
// noise, about 0.3 s), over steady background noise at a chosen signal-to-noise ratio.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace generated_claps {

struct Track {
  std::vector<float> samples;
  std::vector<int64_t> attacks;  // the first sample of each clap
};

// Claps at the given times (seconds) in a track of the given length; snrDb: the claps' peak
// level over the background noise's RMS level.
inline Track Make(const std::vector<double>& seconds, double lengthSeconds, uint32_t rate, double snrDb,
                  uint32_t seed) {
  std::mt19937 random(seed);
  std::normal_distribution<float> gauss(0.0f, 1.0f);
  Track track;
  track.samples.assign(static_cast<size_t>(lengthSeconds * rate), 0.0f);
  // The room: an impulse response of decaying noise, 60 dB down after 0.3 s, 14 dB under the
  // direct sound, starting after 8 ms.
  const auto roomLength = static_cast<size_t>(0.3 * rate);
  const auto roomDelay = static_cast<size_t>(0.008 * rate);
  std::vector<float> room(roomLength);
  for (size_t i = 0; i < roomLength; ++i) {
    room[i] = 0.2f * gauss(random) * static_cast<float>(std::pow(10.0, -3.0 * static_cast<double>(i) / roomLength));
  }
  const double peak = 0.5;
  for (const double at : seconds) {
    const auto start = static_cast<int64_t>(at * rate);
    track.attacks.push_back(start);
    const auto length = static_cast<size_t>(0.06 * rate);
    std::vector<float> burst(length);
    for (size_t i = 0; i < length; ++i) {
      const double t = static_cast<double>(i) / rate;
      const double envelope = std::min(t / 0.0015, 1.0) * std::exp(-t / 0.010);
      burst[i] = static_cast<float>(peak * envelope * std::clamp(gauss(random) / 2.5f, -1.0f, 1.0f));
    }
    for (size_t i = 0; i < length; ++i) {
      const size_t direct = static_cast<size_t>(start) + i;
      if (direct < track.samples.size()) track.samples[direct] += burst[i];
      // The room's answer to this sample, thinned to every fourth of the tail for speed.
      for (size_t k = 0; k < roomLength; k += 4) {
        const size_t at2 = direct + roomDelay + k;
        if (at2 < track.samples.size()) track.samples[at2] += 4.0f * burst[i] * room[k] / static_cast<float>(length / 8);
      }
    }
  }
  const double noiseRms = peak * std::pow(10.0, -snrDb / 20.0);
  // A room's noise does not switch on: it rises over the first 0.3 s, before the first clap.
  const double rise = 0.3 * rate;
  for (size_t i = 0; i < track.samples.size(); ++i) {
    const double level = std::min(1.0, static_cast<double>(i) / rise);
    track.samples[i] = std::clamp(track.samples[i] + static_cast<float>(level * noiseRms * gauss(random)), -1.0f, 1.0f);
  }
  return track;
}

// Claps a beat apart at the tempo (quarters), or an eighth apart when eighths.
inline std::vector<double> Beats(int32_t bpm, int32_t count, bool eighths, double firstSeconds = 0.5) {
  std::vector<double> at;
  const double step = 60.0 / bpm / (eighths ? 2 : 1);
  for (int32_t i = 0; i < count; ++i) at.push_back(firstSeconds + i * step);
  return at;
}

}  // namespace generated_claps
