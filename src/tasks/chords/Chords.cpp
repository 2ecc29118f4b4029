#include "tasks/chords/Chords.h"

#include <cstddef>

#include "text/LanguageTable.h"

Chords::Chords() : chordIntervals(kIntervals) { FillChordNames(); }

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
