#include "listen/VoiceJudge.h"

#include <cmath>
#include <cstdlib>

VoiceVerdict JudgeSungNote(const SungNote& sung, int targetMidi, bool exactOctave) {
  int semitones = sung.midi - targetMidi;
  if (!exactOctave) {
    semitones = ((semitones % 12) + 12) % 12;
    if (semitones >= 6) semitones -= 12;
  }
  return {semitones == 0, int(std::lround(semitones * 100 + sung.centsOff))};
}

int ShiftIntoRange(int melodyLowest, int melodyHighest, SingingRange range, ShiftStep step) {
  if (!range.Known() || melodyHighest < melodyLowest) return 0;
  const int unit = step == ShiftStep::kOctave ? 12 : 1;
  // Any shift within [least, most] fits.
  const int least = range.lowest - melodyLowest;
  const int most = range.highest - melodyHighest;
  const auto down = [unit](int value) { return int(std::floor(double(value) / unit)) * unit; };
  const auto up = [unit](int value) { return int(std::ceil(double(value) / unit)) * unit; };
  if (least <= most) {
    if (least <= 0 && 0 <= most) return 0;
    const int candidate = least > 0 ? up(least) : down(most);
    if (least <= candidate && candidate <= most) return candidate;
  }
  // Too wide (or no step fits): centre the melody.
  const double centre = (range.lowest + range.highest - melodyLowest - melodyHighest) / 2.0;
  return int(std::lround(centre / unit)) * unit;
}
