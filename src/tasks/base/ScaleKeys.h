#pragma once
#include <cstdint>

// Keys of the current scale (`scaleRow`) and the random keys the tasks draw from it.

// Whether key index 0-36 is on the current scale, `scaleRow`.
bool InScale(int32_t key);

// A random key index below keyCount (37 on the three-octave piano, 13 on the one-octave
// ones) on the current scale: rand() mod keyCount, drawn again until InScale holds.
int32_t RandomScaleKey(int32_t keyCount);
// The next tone of a random sequence: drawn like RandomScaleKey and also again until it
// lies at most `maxDistance` semitones from previous. When no key fits both conditions
// (a negative distance, say), the distance is not asked.
int32_t RandomScaleKeyNear(int32_t keyCount, int32_t previous);
