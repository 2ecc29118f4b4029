#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "progress/TaskRecord.h"

namespace progress {

// The title of a task type as the program shows it, in the interface language.
using TaskTitles = std::function<std::string(int32_t taskType)>;

// The rows as CSV for a spreadsheet: UTF-8, a header line, one line per task, CR LF line ends,
// fields quoted where they hold a comma, a quote or a line end (RFC 4180). Task, family and
// language by name in the interface language, each with its code in a column of its own; the
// title of a teacher's melody; key, mode, chord type and chord root by name, and key, mode and
// maximum distance empty where the task does not take them from the settings; the attempt is
// 1-3 or "not solved".
std::string ToCsv(const std::vector<TaskRecord>& rows, const TaskTitles& taskTitle);

}  // namespace progress
