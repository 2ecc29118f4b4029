#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Writes a file the user asked to save (fragment, MIDI or CSV export, log of results) with
// WriteFileAtomically. A write-protected file is not replaced, although its folder would allow it.
// When the file cannot be written, an "Error!" message box tells the user so, with the path
// and, on a line of its own, the system's reason; then the answer is false.
bool SaveUserFile(const std::string& path, const std::vector<uint8_t>& bytes);
