#include "tasks/chords/Chords.h"

#include <cstddef>

#include "text/LanguageTable.h"

namespace {
constexpr int32_t kEnd = -100;
}  // namespace

Chords::Chords()
    : chordIntervals{{
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
      }} {
  FillChordNames();
}

void Chords::FillChordNames() {
  for (size_t i = 0; i < chordNames.size(); ++i) chordNames[i] = T(kFirstNameText + static_cast<int>(i));
}

void Chords::BuildChordTones(int32_t root) {
  const int32_t type = chordType >= 0 && chordType < kTypeCount ? chordType : 0;
  const auto& row = chordIntervals[static_cast<size_t>(type)];
  for (size_t i = 0; i < chordTones.size(); ++i) chordTones[i] = row[i] == chordEnd ? chordEnd : root + row[i];
}

int32_t Chords::ToneCount() const {
  int32_t n = 0;
  while (n < kPlaces && chordTones[static_cast<size_t>(n)] != chordEnd) ++n;
  return n;
}
