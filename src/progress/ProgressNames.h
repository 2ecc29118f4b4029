#pragma once
#include <cstdint>
#include <string>

#include "progress/TaskRecord.h"

// The names the progress window and its CSV give to what a row holds, in the interface
// language; a value outside its list is given as its number.
namespace progress {

std::string KeyName(int32_t key);
std::string ModeName(int32_t mode);
// Empty for kNone.
std::string ChordName(int32_t type);
// As the window's family list shows it; empty for kOther.
std::string FamilyName(Family family);

}  // namespace progress
