#pragma once
#include "tasks/base/CPianoBase.h"

// The one-octave on-screen piano: keys 0-12 in the places of the three-octave piano's first
// octave, sounding two octaves higher (MIDI notes 60-72); a pale filler right of the keys.
class CTest13Keys : public CPianoBase {
 public:
  CTest13Keys() : CPianoBase(kOneOctaveKeys) {}
  // Keys 0-12 sound 24 higher than on the three-octave piano; the percussion codes 37-39
  // sound as they are. Other keys lie off this piano and send nothing.
  void PlayNote(int32_t key, int32_t channel) override;
};
