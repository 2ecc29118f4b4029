#include "listen/VoiceAnalysis.h"

VoiceAnalysis::VoiceAnalysis(uint32_t sampleRate, int toleranceCents, const PitchAnalyserOptions& options)
    : analyser_(sampleRate, options), detector_(toleranceCents) {}

void VoiceAnalysis::Feed(std::span<const float> samples, std::vector<PitchFrame>& frames,
                         std::vector<SungNote>& notes) {
  const size_t first = frames.size();
  analyser_.Feed(samples, frames);
  for (size_t i = first; i < frames.size(); ++i)
    if (std::optional<SungNote> note = detector_.Add(frames[i])) notes.push_back(*note);
}
