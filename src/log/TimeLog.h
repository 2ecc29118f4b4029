#pragma once
#include <ctime>
#include <string>

// Appends the record of one run (start, end, duration) to the time log, a UTF-16 text file.
// A new or empty file gets the title line and an "=" line first. Returns false when the file
// cannot be opened; then nothing is written.
bool AppendTimeRecord(const std::string& path, std::time_t start, std::time_t end);
