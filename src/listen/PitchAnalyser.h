#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "listen/PitchFrame.h"

// How the voice is analysed. The defaults are what the program runs (bench/voice_pitch measured
// them); the benchmark may try others.
struct PitchAnalyserOptions {
  std::string method = "yinfast";  // aubio's YIN-family pitch method: "yinfast", "yin" or "yinfft"
  float minConfidence = 0.8f;     // below it a hop has no pitch
  float silenceDb = -50;          // quieter hops have no pitch (and no onset)
  float lowestMidi = 36;          // C2, 65 Hz: the pitch range a voice can have
  float highestMidi = 90;         // F#6, 1480 Hz
  std::string onsetMethod = "specflux";
  float onsetThreshold = 0.4f;
};

// Pitch, confidence, level and note starts of a mono stream, hop by hop, with aubio's
// YIN-family pitch and onset detectors. Not thread-safe: one thread feeds it.
class PitchAnalyser {
 public:
  explicit PitchAnalyser(uint32_t sampleRate, const PitchAnalyserOptions& options = {});
  ~PitchAnalyser();
  PitchAnalyser(const PitchAnalyser&) = delete;
  PitchAnalyser& operator=(const PitchAnalyser&) = delete;

  // Analyses the samples (any count); appends one frame per hop completed.
  void Feed(std::span<const float> samples, std::vector<PitchFrame>& frames);

  uint32_t SampleRate() const { return sampleRate_; }
  uint32_t HopSize() const { return hopSize_; }
  uint32_t WindowSize() const { return windowSize_; }

 private:
  PitchFrame AnalyseHop();

  struct Aubio;
  uint32_t sampleRate_;
  uint32_t windowSize_;
  uint32_t hopSize_;
  PitchAnalyserOptions options_;
  std::unique_ptr<Aubio> aubio_;
  uint32_t filled_ = 0;  // samples of the current hop gathered so far
  uint64_t hops_ = 0;
};
