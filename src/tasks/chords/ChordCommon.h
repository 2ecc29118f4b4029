#pragma once
#include <cstdint>
#include <string>

#include "platform/Colour.h"
#include "platform/Font.h"
#include "platform/Geometry.h"
#include "tasks/base/CAbstractT.h"
#include "tasks/chords/Chords.h"

// What the chord recognition and chord playing tasks share.
namespace chords {

// Chord tone t sounds as key t + 12 of the three-octave range (MIDI note t + 48): on the
// one-octave piano of the recognition tasks and on the keys of the playing tasks.
inline constexpr int32_t kChordOctave = 12;
inline constexpr int32_t kChannel = 0;
// Roots are the twelve keys of the first octave.
inline constexpr int32_t kRoots = 12;

// The tonic chosen in the Key box, as a root.
int32_t TonicRoot();
// The names of the chord types, the hint box (the hint kept, else the start hint), the
// captions of the two control-bar buttons and the title.
void SetTaskTexts(CAbstractT& task, Chords& chords, int startHint, int listenNewCaption, int titleId);

}  // namespace chords
