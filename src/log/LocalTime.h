#pragma once
#include <ctime>
#include <string>

// Local date and time as the log and the file names show them.
struct LocalTime {
  int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
};

LocalTime ToLocalTime(std::time_t t);
// "dd.mm.yyyy, hh:mm:ss"
std::string FormatDateTime(const LocalTime& t);
