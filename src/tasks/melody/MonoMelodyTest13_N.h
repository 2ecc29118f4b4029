#pragma once
#include "tasks/melody/MelodyTask.h"

// The melody repetition tasks on the one-octave piano, one class for each melody length.
class MonoMelodyTest13_1 : public melody::MelodyTask<MonoMelodyTest13, 1, 233, melody::kOneTone> {};
class MonoMelodyTest13_2 : public melody::MelodyTask<MonoMelodyTest13, 2, 234, melody::kTwoTones> {};
class MonoMelodyTest13_4 : public melody::MelodyTask<MonoMelodyTest13, 4, 235, melody::kFourTones> {};
class MonoMelodyTest13_8 : public melody::MelodyTask<MonoMelodyTest13, 8, 236, melody::kEightTones> {};
