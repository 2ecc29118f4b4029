#pragma once
#include <string>
#include <vector>

// The run's results log: an ordered list of text lines, kept in memory for the whole run.
inline std::vector<std::string> resultsLog;
