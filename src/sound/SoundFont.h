#pragma once
#include <optional>
#include <string>
#include <vector>

// The places searched for a General MIDI sound font, in order: single files, or folders
// (ending in "/") whose first ".sf2" file in name order counts.
std::vector<std::string> SoundFontSearchOrder();
// The first sound font found in the search order.
std::optional<std::string> FindSoundFont();
// The first sound font found among the given places.
std::optional<std::string> FindSoundFontIn(const std::vector<std::string>& places);
