#pragma once
#include <array>
#include <cstdint>

// Scale membership: 48 rows (major, ascending melodic minor, harmonic minor, harmonic major,
// each on the 12 tonics) of 37 keys.
using ScaleTable = std::array<std::array<uint8_t, 37>, 48>;

// Fills the table by its rule: row r has tonic r mod 12 and family r div 12.
void FillScaleTable(ScaleTable& table);
