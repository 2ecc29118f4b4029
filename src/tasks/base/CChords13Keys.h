#pragma once
#include "tasks/base/CTest13Keys.h"

// The one-octave piano of the chord recognition tasks: a clicked key sounds in the octave
// of the chords (MIDI notes 48-60) on the first channel for one beat, then all notes stop.
class CChords13Keys : public CTest13Keys {
 public:
  void OnLButtonDown(MouseFlags& flags, Point& point) override;

 protected:
  int32_t NoteOfKey0() const override;
};
