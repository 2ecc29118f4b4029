// Fuzzes the reader of the teacher melodies ("My melodies": fragment files and Standard MIDI
// Files alike): a melody read starts at 0, its tones follow each other, and it stays within
// the tone and playing-time limits.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "formats/TeacherMelody.h"
#include "music/TempoTables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::optional<teacher::Melody> melody = teacher::ReadMelody(std::span<const uint8_t>(data, size), "fallback");
  if (!melody) return 0;
  const std::vector<teacher::Tone>& tones = melody->tones;
  if (tones.empty() || tones.size() > teacher::kMostTones || tones.front().tick != 0 || melody->title.empty()) {
    std::abort();
  }
  const int32_t slowest = *std::max_element(msPerTick.begin(), msPerTick.end());
  for (size_t i = 0; i < tones.size(); ++i) {
    const teacher::Tone& t = tones[i];
    if (t.length < 1 || (t.tick + t.length) * slowest > teacher::kMostPlayingMs) std::abort();
    if (i > 0 && t.tick < tones[i - 1].tick + tones[i - 1].length) std::abort();
  }
  return 0;
}
