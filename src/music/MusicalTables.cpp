#include "music/MusicalTables.h"

#include <cstddef>

namespace {
// Intervals above the tonic of the four scale families.
constexpr std::array<std::array<int, 7>, 4> kFamilies = {{
    {0, 2, 4, 5, 7, 9, 11},  // major
    {0, 2, 3, 5, 7, 9, 11},  // ascending melodic minor
    {0, 2, 3, 5, 7, 8, 11},  // harmonic minor
    {0, 2, 4, 5, 7, 8, 11},  // harmonic major
}};

constexpr ScaleTable BuildScaleTable() {
  ScaleTable table{};
  for (int row = 0; row < 48; ++row) {
    const int tonic = row % 12;
    const auto& intervals = kFamilies[static_cast<std::size_t>(row / 12)];
    for (int key = 0; key < 37; ++key) {
      const int interval = ((key - tonic) % 12 + 12) % 12;
      uint8_t in = 0;
      for (int i : intervals) in = in || i == interval;
      table[static_cast<std::size_t>(row)][static_cast<std::size_t>(key)] = in;
    }
  }
  return table;
}

constexpr ScaleTable kScaleTable = BuildScaleTable();

}  // namespace

void FillScaleTable(ScaleTable& table) { table = kScaleTable; }

int32_t ScaleRowOf(int32_t mode, int32_t key) {
  if (mode < 0 || mode > 10 || key < 0 || key > 11) return 0;
  if (mode == 10) return -1;
  // The church modes use the major scale whose tonic lies the mode's degree below the key.
  static constexpr std::array<int32_t, 7> kDegreeBelow = {0, 2, 4, 5, 7, 9, 11};
  if (mode < 7) return ((key - kDegreeBelow[static_cast<std::size_t>(mode)]) % 12 + 12) % 12;
  return 12 * (mode - 6) + key;
}

bool InScaleRow(int32_t row, int32_t key) {
  if (key < 0 || key > 36) return false;
  if (row < 0 || row > 47) return true;
  return kScaleTable[static_cast<std::size_t>(row)][static_cast<std::size_t>(key)] == 1;
}
