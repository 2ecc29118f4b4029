#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "log/LocalTime.h"

// The name the save dialog proposes for a report: "dd-mm-yyyy_hh-mm_log".
std::string ReportFileName(const LocalTime& t);
// The save dialog's filter from a language text in the "description|pattern||" notation:
// the description and pattern pairs without the closing "||".
std::string ReportFilter(const std::string& notation);
// A report file: the byte order mark FF FE, then every line as UTF-16 little-endian followed
// by CR LF, the last line included.
std::vector<uint8_t> ReportBytes(const std::vector<std::string>& lines);
