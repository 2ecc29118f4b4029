#pragma once
#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

// The run's results log: an ordered list of text lines, kept in memory for the whole run.
inline std::vector<std::string> resultsLog;

// Removes count lines starting at index first (as many of them as there are).
inline void RemoveLogLines(size_t first, size_t count) {
  if (first >= resultsLog.size()) return;
  const size_t last = first + std::min(count, resultsLog.size() - first);
  resultsLog.erase(resultsLog.begin() + static_cast<std::ptrdiff_t>(first),
                   resultsLog.begin() + static_cast<std::ptrdiff_t>(last));
}
