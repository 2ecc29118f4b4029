#pragma once
#include "tasks/melody/MelodyTask.h"

// The melody repetition tasks on the three-octave piano, one class for each melody length.
// The single tone of MonoMelodyTest37_1 sounds on after it was played.
class MonoMelodyTest37_1 : public melody::MelodyTask<MonoMelodyTest37, 1, 238, melody::kOneTone, true> {};
class MonoMelodyTest37_2 : public melody::MelodyTask<MonoMelodyTest37, 2, 239, melody::kTwoTones> {};
class MonoMelodyTest37_4 : public melody::MelodyTask<MonoMelodyTest37, 4, 240, melody::kFourTones> {};
class MonoMelodyTest37_8 : public melody::MelodyTask<MonoMelodyTest37, 8, 241, melody::kEightTones> {};
