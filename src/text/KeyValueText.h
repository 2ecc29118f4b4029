#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

// The small settings files of "key=value" lines (AureloVoice.txt, AureloRhythm.txt): lines end
// in LF or CR LF; a line without "=" is skipped. Each key and value goes to take in file order.
void ForEachKeyValue(std::string_view text, const std::function<void(std::string_view key, std::string_view value)>& take);

// The value as a whole decimal number within [lowest, highest]; none for anything else.
std::optional<int32_t> BoundedNumber(std::string_view text, int32_t lowest, int32_t highest);
