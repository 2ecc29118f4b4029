// Fuzzes the reader of the exercise files (the drills' JSON): a drill read has levels that
// each ask something, and every item of every level stays within the MIDI notes and is
// judged right when answered with its own notes and its own name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "tasks/drills/DrillAnswers.h"
#include "tasks/drills/DrillFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const drills::DrillRead read = drills::ReadDrill(std::span<const uint8_t>(data, size));
  if (!read.drill) {
    if (read.error.empty()) std::abort();
    return 0;
  }
  const drills::Drill& drill = *read.drill;
  if (drill.levels.empty() || drill.title.english.empty() || (!drill.byName && !drill.onPiano)) std::abort();
  for (const drills::Level& level : drill.levels) {
    if (drills::Questions(level).empty() || drills::Choices(level).empty()) std::abort();
    for (const drills::Question& question : drills::Questions(level)) {
      for (int32_t reference : {drill.lowestReference, drill.highestReference}) {
        const drills::Item item = drills::BuildItem(question, reference);
        std::vector<int32_t> notes;
        for (const drills::Tone& tone : item.tones) {
          if (tone.note < 0 || tone.note > 127 || tone.lengthMs == 0) std::abort();
          notes.push_back(tone.note);
        }
        if (notes.size() < 2 || drills::JudgePlayed(item, notes) != drills::Verdict::kRight) std::abort();
        if (!drills::IsRight(item, drills::RightAnswer(item))) std::abort();
        if (drills::ConfusionOfPlayed(item, notes).answered == "?") std::abort();
      }
    }
  }
  return 0;
}
