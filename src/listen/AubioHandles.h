#pragma once
#include <aubio/aubio.h>

#include <memory>

// Owning handles of aubio objects.
struct AubioPitchDeleter {
  void operator()(aubio_pitch_t* pitch) const { del_aubio_pitch(pitch); }
};
struct AubioOnsetDeleter {
  void operator()(aubio_onset_t* onset) const { del_aubio_onset(onset); }
};
struct AubioVectorDeleter {
  void operator()(fvec_t* vector) const { del_fvec(vector); }
};

using AubioPitchPtr = std::unique_ptr<aubio_pitch_t, AubioPitchDeleter>;
using AubioOnsetPtr = std::unique_ptr<aubio_onset_t, AubioOnsetDeleter>;
using AubioVectorPtr = std::unique_ptr<fvec_t, AubioVectorDeleter>;
