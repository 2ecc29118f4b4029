#pragma once
#include <cstdint>
#include <string>

#include "progress/TaskRecord.h"

// The names the progress window and its CSV give to what a row holds, in the interface
// language; a value outside its list is given as its number.
namespace progress {

// What a drill asks, as the record's chordType and wrongTypes keep it for the drill families:
// an interval (kIntervalItems + semitones 0-16), a scale (kScaleItems + its place among the
// scale names), a chord position (kInversionItems + position 0-3, root to third; plus
// 100 * (chord type + 1) when the type, 0-14 as the chord tasks number them, is named too).
inline constexpr int32_t kIntervalItems = 1000;
inline constexpr int32_t kScaleItems = 2000;
inline constexpr int32_t kInversionItems = 3000;
inline constexpr int32_t kItemsPerFamily = 1000;

std::string KeyName(int32_t key);
std::string ModeName(int32_t mode);
// A chord type (0-14) or a drill's item; empty for kNone.
std::string ChordName(int32_t type);
// Whether the family's tasks ask for a name, so that its answers can confuse one for another.
bool NamesItems(Family family);
std::string AnswerInputName(AnswerInput input);
// As the window's family list shows it; empty for kOther.
std::string FamilyName(Family family);

}  // namespace progress
