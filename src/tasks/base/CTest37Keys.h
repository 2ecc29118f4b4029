#pragma once
#include "tasks/base/CPianoBase.h"

// The three-octave on-screen piano: keys 0-36, sounding MIDI notes 36-72.
class CTest37Keys : public CPianoBase {
 public:
  CTest37Keys() : CPianoBase(kThreeOctaveKeys) {}
};
