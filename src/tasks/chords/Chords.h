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
  static constexpr int32_t kEnd = -100;
  // The tones of each type above its root.
  static constexpr std::array<std::array<int32_t, kPlaces>, kTypeCount> kIntervals = {{
      {0, 4, 7, kEnd, kEnd},   // major triad
      {0, 3, 7, kEnd, kEnd},   // minor triad
      {0, 3, 6, kEnd, kEnd},   // diminished triad
      {0, 4, 8, kEnd, kEnd},   // augmented triad
      {0, 3, 7, 10, kEnd},     // minor seventh chord
      {0, 3, 7, 11, kEnd},     // minor triad with major seventh
      {0, 4, 7, 10, kEnd},     // dominant seventh
      {0, 4, 7, 11, kEnd},     // major seventh chord
      {0, 3, 6, 10, kEnd},     // half-diminished
      {0, 4, 7, 9, kEnd},      // major triad with added sixth
      {0, 3, 7, 9, kEnd},      // minor triad with added sixth
      {0, 3, 6, 9, kEnd},      // diminished seventh chord
      {0, 4, 8, 10, kEnd},     // augmented triad with minor seventh
      {0, 4, 8, 11, kEnd},     // augmented triad with major seventh
      {0, 3, 6, 11, kEnd},     // diminished triad with major seventh
  }};

  Chords();

  // Names of the types from the language texts 203-217.
  void FillChordNames();
  // chordTones from the root and the row of chordType, end-marked after the last tone.
  void BuildChordTones(int32_t root);
  // The number of tones before the end marker.
  int32_t ToneCount() const;

  std::array<std::string, kTypeCount> chordNames;
  std::array<std::array<int32_t, kPlaces>, kTypeCount> chordIntervals;
  int32_t chordEnd = kEnd;
  int32_t chordType = 0;
  std::array<int32_t, kPlaces> chordTones{};
};
