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

constexpr std::array kFamilyTexts = {
    txt::kProgressFamilyToneSearch,       txt::kProgressFamilyMelody,       txt::kProgressFamilyExam,
    txt::kProgressFamilyTeacher,          txt::kProgressFamilyChordRecognition, txt::kProgressFamilyChordPlaying,
    txt::kProgressFamilyRhythm,           txt::kProgressFamilyIntervals,    txt::kProgressFamilyScales,
    txt::kProgressFamilyInversions};
static_assert(kFamilyTexts.size() == kFamilyCount - 1);

std::function<std::string(Family, int32_t)> itemNamer;

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
  return type >= 0 && type <= 14 ? T(kFirstChordText + type) : std::to_string(type);
}

std::string ItemName(Family family, int32_t item) {
  if (!IsDrill(family)) return ChordName(item);
  if (item == kNone) return {};
  std::string name = itemNamer ? itemNamer(family, item) : std::string();
  return name.empty() ? std::to_string(item) : name;
}

void SetItemNamer(std::function<std::string(Family, int32_t)> namer) { itemNamer = std::move(namer); }

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
