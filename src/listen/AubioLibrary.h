#pragma once
#include <aubio/aubio.h>

// aubio, loaded the first time the microphone's sound is analysed rather than at every start:
// the library brings a whole media stack with it (libavcodec, libavformat and theirs, about
// 18 MB of pages and two hundred libraries) that a student who never sings or claps should
// not pay for. Only the header's types are used elsewhere; every call goes through here.
struct AubioLibrary {
  decltype(&new_aubio_pitch) newPitch = nullptr;
  decltype(&del_aubio_pitch) delPitch = nullptr;
  decltype(&aubio_pitch_do) pitchDo = nullptr;
  decltype(&aubio_pitch_set_unit) pitchSetUnit = nullptr;
  decltype(&aubio_pitch_set_silence) pitchSetSilence = nullptr;
  decltype(&aubio_pitch_get_confidence) pitchGetConfidence = nullptr;
  decltype(&new_aubio_onset) newOnset = nullptr;
  decltype(&del_aubio_onset) delOnset = nullptr;
  decltype(&aubio_onset_do) onsetDo = nullptr;
  decltype(&aubio_onset_set_threshold) onsetSetThreshold = nullptr;
  decltype(&aubio_onset_set_silence) onsetSetSilence = nullptr;
  decltype(&aubio_onset_set_minioi_ms) onsetSetMinioiMs = nullptr;
  decltype(&aubio_onset_get_last) onsetGetLast = nullptr;
  decltype(&new_fvec) newFvec = nullptr;
  decltype(&del_fvec) delFvec = nullptr;
};

// The library, loaded at the first call (thread-safe); nullptr when it or one of its functions
// cannot be found.
const AubioLibrary* LoadedAubio();
