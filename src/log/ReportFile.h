#pragma once
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "log/LocalTime.h"

class CAbstractT;

// The name the save dialog proposes for a report: "dd-mm-yyyy_hh-mm_log".
std::string ReportFileName(const LocalTime& t);
// The save dialog's filter from a language text in the "description|pattern||" notation:
// the description and pattern pairs without the closing "||".
std::string ReportFilter(const std::string& notation);
// A report file: the byte order mark FF FE, then every line as UTF-16 little-endian followed
// by CR LF, the last line included.
std::vector<uint8_t> ReportBytes(const std::vector<std::string>& lines);

// Command "Save log of results as text file": asks for a file name, then writes the log with
// the statistics of the task in progress and the saved line as a report. Afterwards the log
// keeps the saved line but not the statistics. A file that cannot be written is reported in a
// message box; then nothing is written and the log is exactly as it was. Returns true when
// the report was written; false when it was not (cancelled or unwritable).
bool SaveLogAsText(CAbstractT& task, std::time_t now = std::time(nullptr));
