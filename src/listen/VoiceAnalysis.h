#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "listen/PitchAnalyser.h"
#include "listen/SungNoteDetector.h"

// The analysis the program runs on the microphone's samples: pitch frames (for a meter) and
// the sung notes found in them. Not thread-safe: one thread feeds it.
class VoiceAnalysis {
 public:
  explicit VoiceAnalysis(uint32_t sampleRate, int toleranceCents = kDefaultToleranceCents,
                         const PitchAnalyserOptions& options = {});

  // Analyses the samples; appends the frames completed and the notes they complete.
  void Feed(std::span<const float> samples, std::vector<PitchFrame>& frames, std::vector<SungNote>& notes);

  void SetTolerance(int cents) { detector_.SetTolerance(cents); }
  uint32_t SampleRate() const { return analyser_.SampleRate(); }

 private:
  PitchAnalyser analyser_;
  SungNoteDetector detector_;
};
