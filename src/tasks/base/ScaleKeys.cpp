#include "tasks/base/ScaleKeys.h"

#include <cstdlib>

#include "music/MusicalTables.h"
#include "settings/ProgramSettings.h"

namespace {
int32_t ClampKeyCount(int32_t keyCount) { return keyCount < 1 ? 1 : keyCount > 37 ? 37 : keyCount; }

// rand() mod keyCount until accepted. Only called when some key below keyCount is accepted.
template <class Accept>
int32_t DrawUntil(int32_t keyCount, Accept accept) {
  int32_t key = 0;
  do {
    key = std::rand() % keyCount;
  } while (!accept(key));
  return key;
}

template <class Accept>
bool AnyKeyAccepted(int32_t keyCount, Accept accept) {
  for (int32_t key = 0; key < keyCount; ++key) {
    if (accept(key)) return true;
  }
  return false;
}

}  // namespace

bool InScale(int32_t key) { return InScaleRow(scaleRow, key); }

int32_t RandomScaleKey(int32_t keyCount) {
  keyCount = ClampKeyCount(keyCount);
  const auto inScale = [](int32_t key) { return InScale(key); };
  if (!AnyKeyAccepted(keyCount, inScale)) return std::rand() % keyCount;
  return DrawUntil(keyCount, inScale);
}

int32_t RandomScaleKeyNear(int32_t keyCount, int32_t previous) {
  keyCount = ClampKeyCount(keyCount);
  const auto fits = [previous](int32_t key) {
    const int32_t distance = key > previous ? key - previous : previous - key;
    return InScale(key) && distance <= maxDistance;
  };
  if (!AnyKeyAccepted(keyCount, fits)) return RandomScaleKey(keyCount);
  return DrawUntil(keyCount, fits);
}
