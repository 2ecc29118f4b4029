#pragma once
// Generated singing for the voice analysis' tests and benchmark: a harmonic source shaped by
// the formants of a vowel, with vibrato, a slide into the note, breath noise and an envelope.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <span>
#include <vector>

namespace sung_voice {

struct Tone {
  double midi = 69;            // the pitch the singer holds (fractional: a sharp or flat singer)
  double seconds = 0.6;
  double vibratoCents = 0;     // half the swing: +-this many cents
  double vibratoHz = 5.5;
  double slideCents = 0;       // starts this far from the pitch and glides in
  double slideSeconds = 0.1;
  int vowel = 0;               // 0..4: a, e, i, o, u
  double amplitude = 0.2;      // peak of the held part
};

inline double Hz(double midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12); }

// The relative strength of harmonic k of f0 for the vowel: a source falling 6 dB an octave
// through resonances at the vowel's first three formants.
inline double HarmonicGain(int vowel, double f0, int k) {
  static constexpr double kFormants[5][3] = {
      {800, 1200, 2500}, {500, 1900, 2500}, {300, 2300, 3000}, {500, 900, 2400}, {320, 800, 2300}};
  static constexpr double kWidths[3] = {80, 100, 150};
  static constexpr double kLevels[3] = {1.0, 0.6, 0.3};
  const double f = f0 * k;
  double gain = 0.08;
  for (int i = 0; i < 3; ++i) {
    const double x = (f - kFormants[std::clamp(vowel, 0, 4)][i]) / kWidths[i];
    gain += kLevels[i] / std::sqrt(1 + x * x);
  }
  return gain / k;
}

// Appends the tone at rate; the instantaneous pitch wanders a little (jitter) around the shape.
inline void AppendTone(std::vector<float>& out, uint32_t rate, const Tone& tone, std::mt19937& random) {
  // One period as a table: the harmonics below 5 kHz and below the Nyquist limit of the top pitch.
  constexpr int kTable = 4096;
  const double topHz = Hz(tone.midi + std::max(0.0, tone.slideCents / 100) + tone.vibratoCents / 100);
  const double f0 = Hz(tone.midi);
  std::vector<double> table(kTable + 1, 0.0);
  double peak = 0;
  for (int k = 1; k * topHz < std::min(5000.0, 0.45 * rate); ++k) {
    const double gain = HarmonicGain(tone.vowel, f0, k);
    const double phase = std::uniform_real_distribution<double>(0, 2 * std::numbers::pi)(random);
    for (int i = 0; i < kTable; ++i) table[i] += gain * std::sin(2 * std::numbers::pi * k * i / kTable + phase);
  }
  for (int i = 0; i < kTable; ++i) peak = std::max(peak, std::fabs(table[i]));
  table[kTable] = table[0];
  const size_t count = size_t(tone.seconds * rate);
  std::normal_distribution<double> jitter(0, 1);
  const double vibratoPhase = std::uniform_real_distribution<double>(0, 2 * std::numbers::pi)(random);
  double phase = 0;
  double wander = 0;
  for (size_t n = 0; n < count; ++n) {
    const double t = double(n) / rate;
    double cents = tone.vibratoCents * std::sin(2 * std::numbers::pi * tone.vibratoHz * t + vibratoPhase);
    if (t < tone.slideSeconds) cents += tone.slideCents * (1 - t / tone.slideSeconds);
    wander = 0.999 * wander + 0.15 * jitter(random);  // a few cents of slow drift
    cents += wander;
    phase += Hz(tone.midi + cents / 100) / rate;
    phase -= std::floor(phase);
    const double position = phase * kTable;
    const int i = int(position);
    const double value = table[i] + (table[i + 1] - table[i]) * (position - i);
    const double attack = std::min(1.0, t / 0.04);
    const double release = std::min(1.0, (tone.seconds - t) / 0.06);
    out.push_back(float(tone.amplitude * value / peak * attack * release));
  }
}

inline double Rms(std::span<const float> samples) {
  double sum = 0;
  for (float s : samples) sum += double(s) * s;
  return samples.empty() ? 0 : std::sqrt(sum / samples.size());
}

enum class Noise { kWhite, kPink, kBrown };

// Appends count samples of noise of the colour at the RMS level.
inline void AppendNoise(std::vector<float>& out, size_t count, double rms, Noise colour, std::mt19937& random) {
  std::normal_distribution<double> white(0, 1);
  std::vector<double> raw(count);
  double b0 = 0, b1 = 0, b2 = 0, brown = 0;
  for (double& value : raw) {
    const double w = white(random);
    if (colour == Noise::kWhite) {
      value = w;
    } else if (colour == Noise::kPink) {  // Paul Kellet's economy filter
      b0 = 0.99765 * b0 + w * 0.0990460;
      b1 = 0.96300 * b1 + w * 0.2965164;
      b2 = 0.57000 * b2 + w * 1.0526913;
      value = b0 + b1 + b2 + w * 0.1848;
    } else {
      brown = 0.995 * brown + w;
      value = brown;
    }
  }
  double sum = 0;
  for (double value : raw) sum += value * value;
  const double scale = count ? rms / std::sqrt(sum / count + 1e-30) : 0;
  for (double value : raw) out.push_back(float(value * scale));
}

// Adds white noise of the RMS level.
inline void AddNoise(std::span<float> samples, double rms, std::mt19937& random) {
  std::normal_distribution<double> white(0, rms);
  for (float& s : samples) s += float(white(random));
}

}  // namespace sung_voice
