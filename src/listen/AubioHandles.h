#pragma once
#include <memory>

#include "listen/AubioLibrary.h"

// Owning handles of aubio objects; made only once LoadedAubio() has given the library.
struct AubioPitchDeleter {
  void operator()(aubio_pitch_t* pitch) const { LoadedAubio()->delPitch(pitch); }
};
struct AubioOnsetDeleter {
  void operator()(aubio_onset_t* onset) const { LoadedAubio()->delOnset(onset); }
};
struct AubioVectorDeleter {
  void operator()(fvec_t* vector) const { LoadedAubio()->delFvec(vector); }
};

using AubioPitchPtr = std::unique_ptr<aubio_pitch_t, AubioPitchDeleter>;
using AubioOnsetPtr = std::unique_ptr<aubio_onset_t, AubioOnsetDeleter>;
using AubioVectorPtr = std::unique_ptr<fvec_t, AubioVectorDeleter>;
