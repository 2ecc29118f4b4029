#pragma once
#include <array>
#include <cstdint>

#include "platform/Geometry.h"

// Key counts of the two on-screen pianos: three octaves and one octave, C to C.
inline constexpr int32_t kThreeOctaveKeys = 37;
inline constexpr int32_t kOneOctaveKeys = 13;

// Key index k is a black key when k mod 12 is 1, 3, 6, 8 or 10.
bool IsBlackKey(int32_t key);

// A key outline: its corners clockwise from the top left, four to eight of them.
struct KeyOutline {
  std::array<Point, 8> corners{};
  int32_t count = 0;
};

// The outlines of a piano drawn across the top of a client rectangle.
struct PianoLayout {
  int32_t blackBottom = 0;  // bottom of the black keys and of the white keys' upper parts
  int32_t whiteBottom = 0;  // bottom of the white keys, top of the message area
  std::array<KeyOutline, kThreeOctaveKeys> keys{};  // the first keyCount are used
  Rect messageArea;
  Rect filler;  // right of the keys; empty when the keys fill the width
};

// Lays out keyCount keys (37, or 13 for the one-octave piano, which keeps the places of
// the three-octave piano's first octave) in the client rectangle.
PianoLayout LayOutPiano(const Rect& client, int32_t keyCount);
