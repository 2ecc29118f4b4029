#include "progress/ProgressNames.h"

#include <cstddef>

#include "music/MusicalTables.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace progress {

namespace {
// Language texts of the mode names (mode 0-10) and of the chord type names (type 0-14).
constexpr int kFirstModeText = 100;
constexpr int kFirstChordText = 203;
}  // namespace

std::string KeyName(int32_t key) {
  return key >= 0 && key < static_cast<int32_t>(keyNames.size()) ? keyNames[static_cast<size_t>(key)]
                                                                 : std::to_string(key);
}

std::string ModeName(int32_t mode) { return mode >= 0 && mode <= 10 ? T(kFirstModeText + mode) : std::to_string(mode); }

std::string ChordName(int32_t type) {
  if (type == kNone) return {};
  return type >= 0 && type <= 14 ? T(kFirstChordText + type) : std::to_string(type);
}

std::string FamilyName(Family family) {
  const auto code = static_cast<int32_t>(family);
  return code >= 1 && code < kFamilyCount ? T(txt::kProgressFamilyToneSearch + code - 1) : std::string();
}

}  // namespace progress
