#pragma once
#include "listen/SungNoteDetector.h"

// How a sung note compares with the tone asked for.
struct VoiceVerdict {
  bool right = false;
  // Cents from the tone asked for: from the tone itself with exact octave, else from its
  // nearest octave (the folded distance, -600..+599 cents and the singer's deviation).
  int centsOff = 0;
};

// Right when it is the tone's pitch class (a child or a man singing an octave away is right);
// with exactOctave only the tone itself.
VoiceVerdict JudgeSungNote(const SungNote& sung, int targetMidi, bool exactOctave);

// The notes a singer sings comfortably (MIDI numbers); lowest 0: not known yet.
struct SingingRange {
  int lowest = 0;
  int highest = 0;
  bool Known() const { return lowest > 0 && highest > lowest; }
  bool operator==(const SingingRange&) const = default;
};

enum class ShiftStep { kSemitone, kOctave };

// How far to move a melody (its lowest and highest note) so that it lies within the range:
// the smallest move in steps of a semitone (a new key) or an octave (the same key) that fits;
// a melody wider than the range is centred in it. 0 when the range is not known.
int ShiftIntoRange(int melodyLowest, int melodyHighest, SingingRange range, ShiftStep step);
