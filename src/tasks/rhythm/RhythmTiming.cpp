#include "tasks/rhythm/RhythmTiming.h"

#include "tasks/base/ToneTimeline.h"

namespace rhythm {
namespace {

// A bar of clicks on the metronome's sounds from startTick: the accent on the first beat, the
// weak click on the others.
void CountIn(Schedule& schedule, const TimeSignature& time, int32_t startTick, int32_t msPerQuarter) {
  for (int32_t beat = 0; beat < time.beats; ++beat) {
    const int32_t tick = startTick + beat * time.BeatTicks();
    schedule.sounds.push_back({TickMs(tick, msPerQuarter), beat == 0 ? kAccentClickKey : kWeakClickKey, 0});
  }
}

}  // namespace

int32_t TickMs(int32_t tick, int32_t msPerQuarter) {
  const int64_t scaled = int64_t{tick} * msPerQuarter;
  return static_cast<int32_t>((scaled + kTicksPerQuarter / 2) / kTicksPerQuarter);
}

Schedule MakeSchedule(const Rhythm& rhythm, int32_t msPerQuarter, int32_t toneKey) {
  Schedule schedule;
  const int32_t bar = rhythm.time.BarTicks();
  const int32_t answerTick = 2 * bar + rhythm.Ticks();
  CountIn(schedule, rhythm.time, 0, msPerQuarter);
  for (const Note& note : rhythm.notes) {
    const int32_t at = TickMs(bar + note.tick, msPerQuarter);
    const int32_t length = toneKey < kSoftClickKey ? TickMs(note.length, msPerQuarter) * 7 / 8 : 0;
    schedule.sounds.push_back({at, toneKey, length});
    schedule.onsetsMs.push_back(TickMs(note.tick, msPerQuarter));
  }
  CountIn(schedule, rhythm.time, bar + rhythm.Ticks(), msPerQuarter);
  schedule.rhythmStartMs = TickMs(bar, msPerQuarter);
  schedule.answerStartMs = TickMs(answerTick, msPerQuarter);
  schedule.answerEndMs = TickMs(answerTick + rhythm.Ticks(), msPerQuarter);
  return schedule;
}

void AddToTimeline(const Schedule& schedule, ToneTimeline& timeline) {
  for (const Sound& s : schedule.sounds) {
    if (s.lengthMs > 0) {
      timeline.Tone(s.key, static_cast<uint32_t>(s.atMs), static_cast<uint32_t>(s.lengthMs));
    } else {
      timeline.PlayNote(static_cast<uint32_t>(s.atMs), s.key, 0);
    }
  }
}

}  // namespace rhythm
