#pragma once
#include <cstdint>
#include <string>

// Where a note played on the hardware MIDI keyboard lands on an on-screen piano.
//
// A note the piano sounds is its key. The one-octave pianos also take the octave below and the
// octave above them, moved by one octave into the piano: every such note has exactly one key of
// its name there (a C below takes the lowest key, a C above the highest), so there is no doubt.
// Anything further away, and on the three-octave piano anything outside it, is no key: the
// student is told where to play and nothing is counted.
struct KeyboardNoteTarget {
  int32_t key = -1;  // the piano key, or -1
  // The notes the piano takes from the keyboard, lowest and highest.
  int32_t lowestTaken = 0;
  int32_t highestTaken = 0;
};

// noteOfKey0: the MIDI note the piano's key 0 sounds; keyCount: 13 or 37.
KeyboardNoteTarget KeyForKeyboardNote(int32_t note, int32_t noteOfKey0, int32_t keyCount);

// "C4" for MIDI note 60.
std::string NoteName(int32_t note);

// The hint for a note the piano did not take: where to play ("... C3 - C6"). With a measured keyboard range
// (keyboardLow, keyboardHigh; -1 when not measured) that holds the lowest note taken it also
// says at which C of the keyboard, counted from the left, that range begins.
std::string PlayBetweenHint(const KeyboardNoteTarget& target, int32_t keyboardLow, int32_t keyboardHigh);
