#pragma once
#include <ctime>
#include <string>

// Line groups of the results log that the shell writes.
std::string DashRule();    // 75 em dashes
std::string EqualsRule();  // 75 "="

// Log header: text 413 with the date and time, then a dash rule.
void AppendLogHeader(std::time_t now);
// The four settings lines: tempo, blocking of extramode keys, key and mode, maximum distance.
void AppendSettingsLines();
