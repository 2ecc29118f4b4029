#include "listen/AubioLibrary.h"

#include <dlfcn.h>

#include <optional>

#include "listen/AubioMissing.h"

namespace {

template <class Function>
bool Find(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

std::optional<AubioLibrary> Load() {
  // Kept loaded for the rest of the run: aubio's objects may live until the end.
  void* library = dlopen("libaubio.so.5", RTLD_NOW | RTLD_LOCAL);
  if (!library) return std::nullopt;
  AubioLibrary a;
  const bool all = Find(library, "new_aubio_pitch", a.newPitch) && Find(library, "del_aubio_pitch", a.delPitch) &&
                   Find(library, "aubio_pitch_do", a.pitchDo) && Find(library, "aubio_pitch_set_unit", a.pitchSetUnit) &&
                   Find(library, "aubio_pitch_set_silence", a.pitchSetSilence) &&
                   Find(library, "aubio_pitch_get_confidence", a.pitchGetConfidence) &&
                   Find(library, "new_aubio_onset", a.newOnset) && Find(library, "del_aubio_onset", a.delOnset) &&
                   Find(library, "aubio_onset_do", a.onsetDo) &&
                   Find(library, "aubio_onset_set_threshold", a.onsetSetThreshold) &&
                   Find(library, "aubio_onset_set_silence", a.onsetSetSilence) &&
                   Find(library, "aubio_onset_set_minioi_ms", a.onsetSetMinioiMs) &&
                   Find(library, "aubio_onset_get_last", a.onsetGetLast) && Find(library, "new_fvec", a.newFvec) &&
                   Find(library, "del_fvec", a.delFvec);
  if (!all) return std::nullopt;
  return a;
}

}  // namespace

const AubioLibrary* LoadedAubio() {
  static const std::optional<AubioLibrary> library = Load();
  return library ? &*library : nullptr;
}

bool AubioLoads() { return LoadedAubio() != nullptr; }

CaptureStatus AubioMissingStatus() {
  CaptureStatus status;
  status.state = CaptureState::kFailed;
  status.error = CaptureError::kFailed;
  // English, like the sound server's own words in the other failures.
  status.reason = "the aubio library (libaubio5) could not be loaded";
  return status;
}
