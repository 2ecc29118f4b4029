#pragma once
#include <array>
#include <cstdint>

// The 39 tempi of the tempo list: display name, beat and tick periods in milliseconds.
inline constexpr int kTempoCount = 39;
extern const std::array<const char*, kTempoCount> tempoNames;
extern const std::array<int32_t, kTempoCount> msPerBeat;
extern const std::array<int32_t, kTempoCount> msPerTick;

// The tempo index clamped into the table.
int32_t ClampTempoIndex(int32_t index);
