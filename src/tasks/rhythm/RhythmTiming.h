#pragma once
#include <cstdint>
#include <vector>

#include "tasks/rhythm/RhythmFile.h"

class ToneTimeline;

// A rhythm at a tempo: what sounds when, and when the answer's taps are due. The control bar's
// tempo gives the length of a quarter (msPerBeat of the tempo list) in every signature; the
// x/8 signatures count in on eighths, as the metronome beats them.
//
// One playback, without a break: a bar of count-in clicks, the rhythm's bars, a second bar of
// count-in clicks, then the bars of the answer, in which the student taps the rhythm again.
namespace rhythm {

// Keys as the task's PlayNote takes them: 0-36 piano keys, these three the metronome's clicks.
inline constexpr int32_t kSoftClickKey = 37;
inline constexpr int32_t kWeakClickKey = 38;
inline constexpr int32_t kAccentClickKey = 39;

// The milliseconds from the start of a rhythm to the tick, rounded to the nearest.
int32_t TickMs(int32_t tick, int32_t msPerQuarter);

struct Sound {
  int32_t atMs = 0;
  int32_t key = 0;
  int32_t lengthMs = 0;  // 0 for a click, which ends by itself
  friend bool operator==(const Sound&, const Sound&) = default;
};

struct Schedule {
  // Clicks and the rhythm's tones in time order, from the start of the playback.
  std::vector<Sound> sounds;
  int32_t rhythmStartMs = 0;  // the first bar of the rhythm
  int32_t answerStartMs = 0;  // the first bar of the answer, after the second count-in
  int32_t answerEndMs = 0;    // the end of the answer's last bar
  // The rhythm's onsets from the start of its first bar; the taps are due at the same times
  // from answerStartMs.
  std::vector<int32_t> onsetsMs;
};

// The playback of the rhythm at the tempo; its tones on the key (a piano key or a click).
// A tone sounds seven eighths of its note, so that repeated tones stay apart.
Schedule MakeSchedule(const Rhythm& rhythm, int32_t msPerQuarter, int32_t toneKey);

// Puts every sound of the schedule on the task's timeline.
void AddToTimeline(const Schedule& schedule, ToneTimeline& timeline);

}  // namespace rhythm
