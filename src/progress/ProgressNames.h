#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "progress/TaskRecord.h"

// The names the progress window and its CSV give to what a row holds, in the interface
// language; a value outside its list is given as its number.
namespace progress {

std::string KeyName(int32_t key);
std::string ModeName(int32_t mode);
// Empty for kNone.
std::string ChordName(int32_t type);
// What was played or named in a task of the family: a chord type, or in the drill families an
// item the drills name (through the namer installed at start). Empty for kNone.
std::string ItemName(Family family, int32_t item);
void SetItemNamer(std::function<std::string(Family family, int32_t item)> namer);
// Whether the family's tasks ask for a name, so that its answers can confuse one for another.
bool NamesItems(Family family);
std::string AnswerInputName(AnswerInput input);
// As the window's family list shows it; empty for kOther.
std::string FamilyName(Family family);

}  // namespace progress
