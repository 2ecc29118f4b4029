#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileWrite.h"

// The small settings files of "key=value" lines (AureloVoice.txt, AureloRhythm.txt): lines end
// in LF or CR LF; a line without "=" is skipped. Each key and value goes to take in file order.
void ForEachKeyValue(std::string_view text, const std::function<void(std::string_view key, std::string_view value)>& take);

// The value as a whole decimal number within [lowest, highest]; none for anything else.
std::optional<int32_t> BoundedNumber(std::string_view text, int32_t lowest, int32_t highest);

// The text of such a file: empty when it is missing, cannot be read, is no regular file or is
// larger than mostBytes (then every setting takes its default).
std::string ReadKeyValueFile(const std::string& path, size_t mostBytes);
// Replaces the file with the text at once, or leaves it as it was.
FileWriteResult WriteKeyValueFile(const std::string& path, const std::string& text);
