#pragma once
#include <array>
#include <cstdint>
#include <string>

// The chord types of the chord tasks and of the chord type dialog: their display names and
// their tones as semitones above the root, in basic (root) position. Rows and tones end
// with the chord end marker.
class Chords {
 public:
  static constexpr int32_t kTypeCount = 15;
  static constexpr int32_t kPlaces = 5;
  // Types 0-3 are the four triads; 4-14 the chords of four tones.
  static constexpr int32_t kLastTriad = 3;
  static constexpr int32_t kLastType = 14;
  static constexpr int32_t kFirstNameText = 203;

  Chords();

  // Names of the types from the language texts 203-217.
  void FillChordNames();
  // chordTones from the root and the row of chordType, end-marked after the last tone.
  void BuildChordTones(int32_t root);
  // The number of tones before the end marker.
  int32_t ToneCount() const;

  std::array<std::string, kTypeCount> chordNames;
  std::array<std::array<int32_t, kPlaces>, kTypeCount> chordIntervals;
  int32_t chordEnd = -100;
  int32_t chordType = 0;
  std::array<int32_t, kPlaces> chordTones{};
};
