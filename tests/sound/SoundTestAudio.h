#pragma once
#include <cmath>
#include <cstddef>
#include <vector>

// Measurements on rendered sound for the tests of the sound layer.
namespace sound_test {

// The fundamental frequency by normalised autocorrelation between minHz and maxHz,
// refined by a parabola through the best lag and its neighbours.
inline double PitchHz(const std::vector<float>& s, double rate, double minHz, double maxHz) {
  const auto minLag = static_cast<size_t>(rate / maxHz);
  const auto maxLag = static_cast<size_t>(rate / minHz) + 1;
  const size_t n = s.size() - maxLag - 1;
  std::vector<double> score(maxLag + 2, 0.0);
  for (size_t lag = minLag - 1; lag <= maxLag + 1; ++lag) {
    double xy = 0, xx = 0, yy = 0;
    for (size_t i = 0; i < n; ++i) {
      xy += double(s[i]) * s[i + lag];
      xx += double(s[i]) * s[i];
      yy += double(s[i + lag]) * s[i + lag];
    }
    score[lag] = xy / std::sqrt(xx * yy + 1e-30);
  }
  size_t best = minLag;
  for (size_t lag = minLag; lag <= maxLag; ++lag) {
    if (score[lag] > score[best]) best = lag;
  }
  const double a = score[best - 1], b = score[best], c = score[best + 1];
  const double shift = (a - 2 * b + c) != 0 ? 0.5 * (a - c) / (a - 2 * b + c) : 0.0;
  return rate / (double(best) + shift);
}

inline double Rms(const std::vector<float>& s, size_t from, size_t to) {
  double sum = 0;
  for (size_t i = from; i < to && i < s.size(); ++i) sum += double(s[i]) * s[i];
  return std::sqrt(sum / double(to - from));
}

inline float Peak(const std::vector<float>& s) {
  float peak = 0;
  for (float v : s) peak = std::max(peak, std::fabs(v));
  return peak;
}

}  // namespace sound_test
