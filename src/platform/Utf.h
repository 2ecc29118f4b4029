#pragma once
#include <string>
#include <string_view>

// Texts are held as UTF-8 in the program and written to files as UTF-16.
// Invalid sequences become U+FFFD; nothing here throws.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// Number of UTF-16 units the text needs.
size_t Utf16Length(std::string_view text);
