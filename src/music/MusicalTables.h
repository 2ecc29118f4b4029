#pragma once
#include <array>
#include <cstdint>

// Scale membership: 48 rows (major, ascending melodic minor, harmonic minor, harmonic major,
// each on the 12 tonics) of 37 keys.
using ScaleTable = std::array<std::array<uint8_t, 37>, 48>;

// Fills the table by its rule: row r has tonic r mod 12 and family r div 12.
void FillScaleTable(ScaleTable& table);

// Names of the twelve keys (tonic pitch classes), in the order of the key list.
inline constexpr std::array<const char*, 12> keyNames = {"C", "C#/Db", "D", "D#/Eb", "E", "F",
                                                         "F#/Gb", "G", "G#/Ab", "A", "A#/Bb", "B"};

// Semitones of the maximum-distance list, in list order.
inline constexpr std::array<int32_t, 10> maxDistanceValues = {2, 3, 4, 5, 7, 10, 12, 17, 24, 36};

// Row of the scale table for a mode (0-10) and key (0-11); -1 for the chromatic mode.
// Values outside the lists give row 0.
int32_t ScaleRowOf(int32_t mode, int32_t key);

// Whether key index 0-36 belongs to the scale row (-1: every key belongs). A key outside
// 0-36 belongs to no scale; a row outside -1..47 restricts nothing, like -1.
bool InScaleRow(int32_t row, int32_t key);
