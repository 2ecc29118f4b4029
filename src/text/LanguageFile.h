#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "text/LanguageTable.h"

// Reading of the interface language files (lang_files/*.lng).
//
// A language file is text: UTF-16 LE after the byte order mark FF FE, UTF-8 after EF BB BF,
// UTF-16 LE when there is no mark. CR LF becomes a single line feed before the lines are
// read. Text n is line n + 1. Each read takes at most kLanguageReadUnits characters up to and
// including a line feed and drops the last character it took, so a text has at most 258
// characters, a longer line runs on into the next text, and a last line without a line end
// loses its last character. When the file ends early, every remaining text repeats the last
// line read; a file without any line gives empty texts. NUL characters count as read but are
// left out of the texts. Characters are UTF-16 units; the texts come out as UTF-8.

using LanguageTexts = std::array<std::string, CLanguageTable::kTextCount>;

inline constexpr size_t kLanguageReadUnits = 259;

// The reader never looks further than this: every character it takes costs at most four bytes
// (CR LF in UTF-16), plus the byte order mark and the line feed after the last read.
inline constexpr size_t kLanguageFileMaxBytes = 3 + 4 * (kLanguageReadUnits * CLanguageTable::kTextCount + 1);

// linesRead, when given, receives how many texts came from lines of the file.
LanguageTexts ParseLanguageFile(const std::vector<uint8_t>& bytes, int* linesRead = nullptr);

// A language file larger than this is not read at all.
inline constexpr size_t kLanguageFileMostBytes = 1u << 20;
static_assert(kLanguageFileMaxBytes < kLanguageFileMostBytes);

// The first maxBytes bytes of a regular file of at most kLanguageFileMostBytes; nothing when it
// cannot be opened or read.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path, size_t maxBytes = kLanguageFileMaxBytes);
