#include "tasks/drills/DrillHistory.h"

#include "progress/ProgressNames.h"
#include "tasks/drills/DrillItems.h"

namespace drills {

progress::Family HistoryFamily(Family family) {
  switch (family) {
    case Family::kInterval: return progress::Family::kIntervals;
    case Family::kScale: return progress::Family::kScales;
    case Family::kInversion: break;
  }
  return progress::Family::kInversions;
}

int32_t HistoryItem(const Answer& answer) {
  switch (answer.family) {
    case Family::kInterval: return progress::kIntervalItems + answer.semitones;
    case Family::kScale: return progress::kScaleItems + static_cast<int32_t>(answer.scale);
    case Family::kInversion: break;
  }
  const int32_t typed = answer.chord ? 100 * (ChordsTypeIndex(*answer.chord) + 1) : 0;
  return progress::kInversionItems + typed + static_cast<int32_t>(answer.position);
}

std::string AnswerName(const Answer& answer) { return progress::ChordName(HistoryItem(answer)); }

}  // namespace drills
