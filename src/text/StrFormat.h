#pragma once
#include <string>

// printf-style formatting into a UTF-8 string ("%s = %d", "%02d:%02d").
std::string StrFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
