#pragma once
#include <cstdint>
#include <string>

// The hardware MIDI keyboard's range as the program keeps it in the settings.
namespace keyboard_range {

// Keeps a completed measurement; a range of a single note is not kept (the earlier one stays).
void Keep(int32_t lowest, int32_t highest);
// "Range of your MIDI keyboard (MIDI notes): 36 - 96", or the line saying it is not measured yet.
std::string Text();

}  // namespace keyboard_range
