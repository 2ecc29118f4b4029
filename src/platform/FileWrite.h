#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Replaces the file at path with exactly these bytes, or leaves it as it was:
// the bytes go to a temporary file in the same folder, which is flushed to disk and then
// renamed over the old file. Returns false, without reporting anything, when the file
// cannot be written; no temporary file is left behind.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);

// The first maxBytes bytes of the file (all of it by default); nullopt when it cannot be
// opened or read or is not a regular file (a missing file, a folder, a FIFO, a device), so a
// read never blocks and never runs on without end.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, size_t maxBytes = SIZE_MAX);

// A file the user hands the program is read only when it is a regular file of a sane size.
enum class UserFileStatus { kRead, kUnreadable, kNotRegular, kTooBig };
struct UserFile {
  UserFileStatus status = UserFileStatus::kUnreadable;
  std::vector<uint8_t> bytes;
};
UserFile ReadUserFile(const std::string& path, size_t maxBytes);
