#include "progress/ProgressCsv.h"

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

#include "music/TempoTables.h"
#include "progress/ProgressNames.h"
#include "text/LanguageNames.h"

namespace progress {

namespace {

constexpr const char* kHeader =
    "date,time,task,task_code,family,family_code,melody,key,mode,tempo,max_distance,attempt,ended_open,replays,"
    "search_presses,chord_type,chord_root,answered_types,language,language_code,"
    "answered_by,answered_by_code,mean_cents";

// A field quoted when it holds a separator, a quote or a line end, its quotes doubled.
std::string Field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

// A name from a user's file (a melody's title): one that starts like a formula would be run by a
// spreadsheet, so it gets the apostrophe that makes a spreadsheet cell text.
std::string NameFromOutside(const std::string& name) {
  if (!name.empty() && std::string_view("=+-@\t\r").find(name.front()) != std::string_view::npos) return "'" + name;
  return name;
}

std::string Optional(int32_t value) { return value == kNone ? std::string() : std::to_string(value); }

std::string LanguageName(int32_t language) {
  return language >= 0 && language < static_cast<int32_t>(std::size(kLanguageNames))
             ? kLanguageNames[static_cast<size_t>(language)]
             : std::string();
}

}  // namespace

std::string ToCsv(const std::vector<TaskRecord>& rows, const TaskTitles& taskTitle) {
  std::string csv = std::string(kHeader) + "\r\n";
  for (const TaskRecord& r : rows) {
    std::string answered;
    for (int32_t type : r.wrongTypes) answered += (answered.empty() ? "" : "; ") + ItemName(r.family, type);
    const UsedSettings used = SettingsUsedBy(r.taskType);
    const std::string tempo = r.tempo >= 0 && r.tempo < kTempoCount ? tempoNames[static_cast<size_t>(r.tempo)]
                                                                    : std::to_string(r.tempo);
    const std::string fields[] = {
        r.day,
        r.time,
        taskTitle(r.taskType),
        std::to_string(r.taskType),
        FamilyName(r.family),
        std::to_string(static_cast<int32_t>(r.family)),
        NameFromOutside(r.melodyTitle),
        used.key ? KeyName(r.key) : std::string(),
        used.mode ? ModeName(r.mode) : std::string(),
        tempo,
        used.maxDistance ? std::to_string(r.maxDistance) : std::string(),
        r.attempt >= 1 && r.attempt <= 3 ? std::to_string(r.attempt) : "not solved",
        r.ended ? "1" : "0",
        std::to_string(r.replays),
        Optional(r.searchPresses),
        ItemName(r.family, r.chordType),
        r.chordRoot == kNone ? std::string() : KeyName(r.chordRoot % 12),
        answered,
        LanguageName(r.language),
        std::to_string(r.language),
        AnswerInputName(r.answeredBy),
        std::to_string(static_cast<int32_t>(r.answeredBy)),
        Optional(r.meanCents),
    };
    bool first = true;
    for (const std::string& field : fields) {
      if (!first) csv += ',';
      first = false;
      csv += Field(field);
    }
    csv += "\r\n";
  }
  return csv;
}

}  // namespace progress
