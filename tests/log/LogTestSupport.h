#pragma once
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "log/ResultsLog.h"
#include "tasks/base/CAbstractT.h"

// The time_t of a local date and time.
inline std::time_t LocalTimeT(int year, int month, int day, int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  tm.tm_isdst = -1;
  return std::mktime(&tm);
}

// UTF-16 little-endian bytes of the units, as written by hand in a test.
inline std::vector<uint8_t> Le(std::u16string_view units) {
  std::vector<uint8_t> bytes;
  for (const char16_t unit : units) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

inline std::vector<uint8_t> operator+(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A task with a statistics block of two lines, one of them not ASCII, that counts how often
// it was asked for them.
class StatisticsTask : public CAbstractT {
 public:
  explicit StatisticsTask(std::string name) { title = std::move(name); }
  void WriteStatistics() override {
    ++statisticsWritten;
    resultsLog.push_back("Решено = " + std::to_string(tasksGiven));
    resultsLog.push_back("end of block");
  }
  int statisticsWritten = 0;
};
