#pragma once
#include <string>
#include <vector>

#include "progress/TaskRecord.h"

namespace progress {

// The rows as CSV for a spreadsheet: UTF-8, a header line, one line per task, CR LF line ends.
// Key, mode and chord type are given by name; the attempt is 1-3 or "not solved".
std::string ToCsv(const std::vector<TaskRecord>& rows);

}  // namespace progress
