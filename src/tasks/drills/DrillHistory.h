#pragma once
#include <cstdint>
#include <string>

#include "progress/TaskRecord.h"
#include "tasks/drills/DrillAnswers.h"

// What the progress history keeps of a drill's item and how an answer is named: the item
// numbers of progress/ProgressNames.h, so that the progress window names the confusions
// (major and minor third, perfect fourth and fifth, ...) as the answer dialog does.
namespace drills {

// The history's family of an item: intervals, scales or inversions.
progress::Family HistoryFamily(Family family);
// The answer as the record's chordType and wrongTypes keep it.
int32_t HistoryItem(const Answer& answer);
// The answer's name in the interface language: "Major third", "Dorian", "First inversion",
// "Dominant seventh chord, first inversion".
std::string AnswerName(const Answer& answer);

}  // namespace drills
