#include "progress/ProgressNames.h"

#include <array>
#include <cstddef>

#include "music/MusicalTables.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace progress {

namespace {
// Language texts of the mode names (mode 0-10) and of the chord type names (type 0-14).
constexpr int kFirstModeText = 100;
constexpr int kFirstChordText = 203;
constexpr int32_t kLastChordType = 14;
// The last of the drills' intervals (a major tenth), scales and chord positions.
constexpr int32_t kLastInterval = 16;
constexpr int32_t kLastScale = 12;
constexpr int32_t kLastPosition = 3;

constexpr std::array kFamilyTexts = {
    txt::kProgressFamilyToneSearch,       txt::kProgressFamilyMelody,       txt::kProgressFamilyExam,
    txt::kProgressFamilyTeacher,          txt::kProgressFamilyChordRecognition, txt::kProgressFamilyChordPlaying,
    txt::kProgressFamilyRhythm,           txt::kProgressFamilyIntervals,    txt::kProgressFamilyScales,
    txt::kProgressFamilyInversions};
static_assert(kFamilyTexts.size() == kFamilyCount - 1);

bool IsDrill(Family family) {
  return family == Family::kIntervals || family == Family::kScales || family == Family::kInversions;
}
}  // namespace

std::string KeyName(int32_t key) {
  return key >= 0 && key < static_cast<int32_t>(keyNames.size()) ? keyNames[static_cast<size_t>(key)]
                                                                 : std::to_string(key);
}

std::string ModeName(int32_t mode) { return mode >= 0 && mode <= 10 ? T(kFirstModeText + mode) : std::to_string(mode); }

std::string ChordName(int32_t type) {
  if (type == kNone) return {};
  if (type >= 0 && type <= kLastChordType) return T(kFirstChordText + type);
  const int32_t interval = type - kIntervalItems;
  if (interval >= 0 && interval <= kLastInterval) return T(txt::kDrillIntervalNames + interval);
  const int32_t scale = type - kScaleItems;
  if (scale >= 0 && scale <= kLastScale) return T(txt::kDrillScaleNames + scale);
  const int32_t position = (type - kInversionItems) % 100;
  const int32_t chord = (type - kInversionItems) / 100 - 1;
  if (type >= kInversionItems && position <= kLastPosition && chord <= kLastChordType) {
    const std::string name = T(txt::kDrillPositionNames + position);
    return chord < 0 ? name : T(kFirstChordText + chord) + ", " + name;
  }
  return std::to_string(type);
}

bool NamesItems(Family family) { return family == Family::kChordRecognition || IsDrill(family); }

std::string FamilyName(Family family) {
  const auto code = static_cast<int32_t>(family);
  return code >= 1 && code < kFamilyCount ? T(kFamilyTexts[static_cast<size_t>(code - 1)]) : std::string();
}

std::string AnswerInputName(AnswerInput input) {
  const auto code = static_cast<int32_t>(input);
  return code >= 0 && code < kAnswerInputCount ? T(txt::kProgressInputMouse + code) : std::to_string(code);
}

}  // namespace progress
