#include "tasks/drills/DrillFile.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <stdexcept>

#include "platform/FileWrite.h"
#include "platform/JsonParse.h"
#include "tasks/drills/DrillItems.h"

namespace drills {
namespace {

using Type = JsonValue::Type;

// What is wrong with the document; thrown by the checks below, caught by DrillOfJson.
class Problem : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where in the document a check is: "" at the top, "level 2, chords" further in.
[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw Problem(where.empty() ? what : where + ": " + what);
}

std::string Quoted(const std::string& key) { return "\"" + key + "\""; }

template <size_t N>
std::string OneOf(const std::array<const char*, N>& words, size_t count = N) {
  std::string list;
  for (size_t i = 0; i < count; ++i) list += (i ? ", " : "") + std::string(words[i]);
  return list;
}

void ExpectObject(const JsonValue& value, const std::string& what, const std::string& where) {
  if (value.type != Type::kObject) Fail(where, what + " must be an object {...}");
}

// A misspelt key would otherwise be ignored without a word.
void OnlyKeys(const JsonValue& object, std::initializer_list<const char*> keys, const std::string& where) {
  for (const auto& member : object.members) {
    const std::string& key = member.key;
    if (std::none_of(keys.begin(), keys.end(), [&key](const char* k) { return key == k; })) {
      Fail(where, "unknown key " + Quoted(key));
    }
  }
}

const JsonValue& Required(const JsonValue& object, const char* key, const std::string& where) {
  const JsonValue* value = object.Find(key);
  if (!value) Fail(where, Quoted(key) + " is missing");
  return *value;
}

bool IsWholeIn(const JsonValue& value, int32_t lowest, int32_t highest) {
  return value.type == Type::kNumber && std::floor(value.number) == value.number && value.number >= lowest &&
         value.number <= highest;
}

int32_t WholeNumber(const JsonValue& value, const char* key, int32_t lowest, int32_t highest,
                    const std::string& where) {
  if (!IsWholeIn(value, lowest, highest)) {
    Fail(where, Quoted(key) + " must be a whole number " + std::to_string(lowest) + "-" + std::to_string(highest));
  }
  return static_cast<int32_t>(value.number);
}

// The index of the value among the first `count` words.
template <size_t N>
std::optional<size_t> IndexOf(const JsonValue& value, const std::array<const char*, N>& words, size_t count) {
  for (size_t i = 0; i < count && value.type == Type::kString; ++i) {
    if (value.string == words[i]) return i;
  }
  return std::nullopt;
}

template <size_t N>
size_t Word(const JsonValue& value, const char* key, const std::array<const char*, N>& words,
            const std::string& where) {
  const std::optional<size_t> index = IndexOf(value, words, N);
  if (!index) Fail(where, Quoted(key) + " must be one of: " + OneOf(words));
  return *index;
}

const std::vector<JsonValue>& NonEmptyList(const JsonValue& value, const char* key, const std::string& what,
                                           const std::string& where) {
  if (value.type != Type::kArray || value.array.empty()) Fail(where, Quoted(key) + " must list " + what);
  return value.array;
}

template <class T>
void NoneTwice(const std::vector<T>& values, const char* key, const std::string& where) {
  for (size_t i = 0; i < values.size(); ++i) {
    if (std::find(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(i), values[i]) !=
        values.begin() + static_cast<std::ptrdiff_t>(i)) {
      Fail(where, Quoted(key) + " lists an entry twice");
    }
  }
}

// The words of a list, as the enumeration they name.
template <class E, size_t N>
std::vector<E> Words(const JsonValue& list, const char* key, const std::array<const char*, N>& words,
                     const std::string& where, size_t count = N) {
  const std::string what = "at least one of: " + OneOf(words, count);
  std::vector<E> result;
  for (const JsonValue& item : NonEmptyList(list, key, what, where)) {
    const std::optional<size_t> index = IndexOf(item, words, count);
    if (!index) Fail(where, Quoted(key) + " must list " + what);
    result.push_back(static_cast<E>(*index));
  }
  NoneTwice(result, key, where);
  return result;
}

size_t CharCount(const std::string& text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string TitleText(const JsonValue& titles, const char* language, bool required) {
  const JsonValue* value = titles.Find(language);
  const std::string where = Quoted("title");
  if (!value) {
    if (required) Fail(where, Quoted(language) + " is missing");
    return {};
  }
  if (value->type != Type::kString || (required && value->string.empty())) {
    Fail(where, Quoted(language) + " must be a text");
  }
  if (std::any_of(value->string.begin(), value->string.end(), [](unsigned char c) { return c < 0x20; })) {
    Fail(where, Quoted(language) + " must be one line without tabs");
  }
  if (CharCount(value->string) > kMostTitleChars) {
    Fail(where, Quoted(language) + " is longer than " + std::to_string(kMostTitleChars) + " characters");
  }
  return value->string;
}

Titles ReadTitles(const JsonValue& value) {
  ExpectObject(value, Quoted("title"), "");
  OnlyKeys(value, {"english", "german", "russian", "portuguese"}, Quoted("title"));
  return {TitleText(value, "english", true), TitleText(value, "german", false), TitleText(value, "russian", false),
          TitleText(value, "portuguese", false)};
}

void ReadReference(const JsonValue& value, Drill& drill) {
  const std::string where = Quoted("reference");
  ExpectObject(value, where, "");
  OnlyKeys(value, {"fixed", "lowest", "highest"}, where);
  if (const JsonValue* fixed = value.Find("fixed")) {
    if (value.Find("lowest") || value.Find("highest")) Fail(where, "give either \"fixed\" or \"lowest\" and \"highest\"");
    drill.lowestReference = drill.highestReference =
        WholeNumber(*fixed, "fixed", kLowestReference, kHighestReference, where);
    return;
  }
  drill.lowestReference = WholeNumber(Required(value, "lowest", where), "lowest", kLowestReference, kHighestReference, where);
  drill.highestReference = WholeNumber(Required(value, "highest", where), "highest", kLowestReference, kHighestReference, where);
  if (drill.highestReference < drill.lowestReference) Fail(where, "\"highest\" is below \"lowest\"");
}

void ReadAnswers(const JsonValue& value, Drill& drill) {
  static constexpr std::array<const char*, 3> kWays = {"name", "piano", "voice"};
  const std::vector<size_t> ways = Words<size_t>(value, "answers", kWays, "");
  drill.byName = std::find(ways.begin(), ways.end(), 0) != ways.end();
  drill.onPiano = std::find(ways.begin(), ways.end(), 1) != ways.end();
  drill.byVoice = std::find(ways.begin(), ways.end(), 2) != ways.end();
}

// A voice sings one tone: a drill answered by voice alone asks intervals only.
void CheckVoiceOnly(const Drill& drill) {
  if (!drill.byVoice || drill.byName || drill.onPiano) return;
  for (size_t i = 0; i < drill.levels.size(); ++i) {
    if (!drill.levels[i].scales.scales.empty() || !drill.levels[i].chords.types.empty()) {
      Fail("level " + std::to_string(i + 1),
           "\"voice\" answers intervals only: add \"name\" or \"piano\" to \"answers\" for scales and chords");
    }
  }
}

IntervalSet ReadIntervals(const JsonValue& value, const std::string& where) {
  ExpectObject(value, Quoted("intervals"), where);
  OnlyKeys(value, {"semitones", "directions"}, where);
  IntervalSet set;
  const std::string numbers = "whole numbers 0-" + std::to_string(kMostSemitones);
  for (const JsonValue& item : NonEmptyList(Required(value, "semitones", where), "semitones", numbers, where)) {
    if (!IsWholeIn(item, 0, kMostSemitones)) Fail(where, "\"semitones\" must list " + numbers);
    set.semitones.push_back(static_cast<int32_t>(item.number));
  }
  NoneTwice(set.semitones, "semitones", where);
  set.directions = Words<Direction>(Required(value, "directions", where), "directions", kDirectionKeys, where);
  return set;
}

ScaleSet ReadScales(const JsonValue& value, const std::string& where) {
  ExpectObject(value, Quoted("scales"), where);
  OnlyKeys(value, {"names", "directions"}, where);
  ScaleSet set{Words<Scale>(Required(value, "names", where), "names", kScaleKeys, where), {}};
  for (size_t way : Words<size_t>(Required(value, "directions", where), "directions", kScaleDirectionKeys, where)) {
    set.directions.push_back(kScaleDirections[way]);
  }
  return set;
}

ChordSet ReadChords(const JsonValue& value, const std::string& where) {
  ExpectObject(value, Quoted("chords"), where);
  OnlyKeys(value, {"types", "positions", "askType"}, where);
  ChordSet set{Words<ChordType>(Required(value, "types", where), "types", kChordKeys, where),
               Words<Position>(Required(value, "positions", where), "positions", kPositionKeys, where)};
  if (const JsonValue* askType = value.Find("askType")) {
    if (askType->type != Type::kBool) Fail(where, "\"askType\" must be true or false");
    set.askType = askType->boolean;
  }
  const bool third = std::find(set.positions.begin(), set.positions.end(), Position::kThird) != set.positions.end();
  const bool seventh = std::any_of(set.types.begin(), set.types.end(), [](ChordType t) { return ChordToneCount(t) == 4; });
  if (third && !seventh) Fail(where, "the \"third\" position needs a seventh chord among \"types\"");
  return set;
}

Level ReadLevel(const JsonValue& value, Kind kind, const std::string& where) {
  ExpectObject(value, "a level", where);
  OnlyKeys(value, {"intervals", "scales", "chords"}, where);
  static constexpr std::array<const char*, 3> kFamilyKeys = {"intervals", "scales", "chords"};
  Level level;
  bool any = false;
  for (size_t family = 0; family < kFamilyKeys.size(); ++family) {
    const JsonValue* part = value.Find(kFamilyKeys[family]);
    if (!part) continue;
    any = true;
    if (kind != Kind::kMixed && static_cast<size_t>(kind) != family) {
      Fail(where, "a drill of kind \"" + std::string(kKindKeys[static_cast<size_t>(kind)]) + "\" has no " +
                      Quoted(kFamilyKeys[family]));
    }
    const std::string inner = where + ", " + kFamilyKeys[family];
    if (family == 0) level.intervals = ReadIntervals(*part, inner);
    if (family == 1) level.scales = ReadScales(*part, inner);
    if (family == 2) level.chords = ReadChords(*part, inner);
  }
  if (!any) Fail(where, "plays nothing: give \"intervals\", \"scales\" or \"chords\"");
  return level;
}

}  // namespace

DrillRead DrillOfJson(const JsonValue& document) {
  try {
    ExpectObject(document, "the file", "");
    OnlyKeys(document, {"format", "title", "kind", "reference", "answers", "levels"}, "");
    const JsonValue& format = Required(document, "format", "");
    if (IsWholeIn(format, kFormat + 1, 1000000)) {
      Fail("", "format " + std::to_string(static_cast<int32_t>(format.number)) + " is newer than this program reads (" +
                   std::to_string(kFormat) + ")");
    }
    if (!IsWholeIn(format, kFormat, kFormat)) Fail("", "\"format\" must be " + std::to_string(kFormat));
    Drill drill;
    drill.title = ReadTitles(Required(document, "title", ""));
    drill.kind = static_cast<Kind>(Word(Required(document, "kind", ""), "kind", kKindKeys, ""));
    ReadReference(Required(document, "reference", ""), drill);
    if (const JsonValue* answers = document.Find("answers")) ReadAnswers(*answers, drill);
    const JsonValue& levels = Required(document, "levels", "");
    const std::string count = "1-" + std::to_string(kMostLevels) + " levels";
    if (NonEmptyList(levels, "levels", count, "").size() > kMostLevels) Fail("", "\"levels\" must list " + count);
    for (size_t i = 0; i < levels.array.size(); ++i) {
      drill.levels.push_back(ReadLevel(levels.array[i], drill.kind, "level " + std::to_string(i + 1)));
    }
    CheckVoiceOnly(drill);
    return {std::move(drill), {}};
  } catch (const Problem& problem) {
    return {std::nullopt, problem.what()};
  }
}

DrillRead ReadDrill(std::span<const uint8_t> bytes) {
  const JsonParse parse = ParseJson(bytes);
  if (!parse.value) return {std::nullopt, parse.error};
  return DrillOfJson(*parse.value);
}

DrillRead ReadDrillFile(const std::filesystem::path& file) {
  const UserFile read = ReadUserFile(file.string(), kMostFileBytes);
  DrillRead result;
  switch (read.status) {
    case UserFileStatus::kRead: result = ReadDrill(read.bytes); break;
    case UserFileStatus::kTooBig: result.error = "larger than " + std::to_string(kMostFileBytes / 1024) + " KiB"; break;
    case UserFileStatus::kNotRegular: result.error = "not a regular file"; break;
    case UserFileStatus::kUnreadable: result.error = "cannot be read"; break;
  }
  if (!result.drill) result.error = file.filename().string() + ": " + result.error;
  return result;
}

}  // namespace drills
