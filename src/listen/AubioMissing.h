#pragma once
#include "listen/VoiceCapture.h"

// Whether aubio could be loaded; loads it at the first call (see AubioLibrary.h).
bool AubioLoads();
// What the microphone's users report when it could not: failed, with the library named.
CaptureStatus AubioMissingStatus();
