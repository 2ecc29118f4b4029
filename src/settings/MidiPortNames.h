#pragma once
#include <string>
#include <string_view>

// The names of the ports a keyboard may be on: as the sequencer gives them, as shown and
// chosen in the MIDI settings, and as the settings file keeps the chosen one.
namespace midi_in {

inline constexpr const char* kClientName = "Aurelo";
inline constexpr const char* kOwnPort = "Aurelo MIDI In";
// The settings file keeps the chosen port's name in this many UTF-16 units (and a 0).
inline constexpr size_t kStoredNameUnits = 63;

// The port's name as shown and stored: ALSA's client and port numbers at the end taken off.
std::string ShownName(const std::string& systemName);
// Whether the port is one we connect to: not ours, not the kernel's loop.
bool IsOffered(const std::string& shownName);
// The name as the settings file keeps it: its start of at most kStoredNameUnits UTF-16 units,
// never half a character, and nothing from a NUL on (the file ends the name there); bytes that
// are no UTF-8 become U+FFFD.
std::u16string StoredName(std::string_view shownName);
// Whether the port of this shown name is the chosen one (chosen empty: every port is), also
// when the chosen name has been through the settings file.
bool IsChosen(const std::string& shownName, const std::string& chosen);

}  // namespace midi_in
