#include "log/LocalTime.h"

#include "text/StrFormat.h"

LocalTime ToLocalTime(std::time_t t) {
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string FormatDateTime(const LocalTime& t) {
  return StrFormat("%02d.%02d.%04d, %02d:%02d:%02d", t.day, t.month, t.year, t.hour, t.minute, t.second);
}
