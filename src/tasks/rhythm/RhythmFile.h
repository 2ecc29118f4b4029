#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The rhythms of the rhythm tasks: one level a file, one rhythm of one to four bars a line.
// The format is described at the top of RhythmFile.cpp and in the README.
namespace rhythm {

// Exact durations: a sixteenth is 6 ticks, a triplet eighth 8.
inline constexpr int32_t kTicksPerQuarter = 24;
inline constexpr int32_t kMostBars = 4;
// A level file longer than this is refused before it is read (see ReadLevelFile).
inline constexpr size_t kMostFileBytes = 256 * 1024;

// One of the metronome's time signatures: 1-8 beats of quarters or of eighths.
struct TimeSignature {
  int32_t beats = 4;
  int32_t unit = 4;  // 4 or 8
  int32_t BeatTicks() const { return unit == 8 ? kTicksPerQuarter / 2 : kTicksPerQuarter; }
  int32_t BarTicks() const { return beats * BeatTicks(); }
  // The index in the metronome's signature list (1/4 ... 8/4, then 1/8 ... 8/8).
  int32_t MetronomeIndex() const { return unit == 8 ? beats + 7 : beats - 1; }
  friend bool operator==(const TimeSignature&, const TimeSignature&) = default;
};

// A sounded note; the rests are the gaps between them.
struct Note {
  int32_t tick = 0;  // onset from the start of the first bar
  int32_t length = kTicksPerQuarter;
  friend bool operator==(const Note&, const Note&) = default;
};

struct Rhythm {
  TimeSignature time;
  int32_t bars = 1;
  std::vector<Note> notes;  // in time order, at least one
  std::string text;         // the line as written, without its comment: for the log and the history
  int32_t line = 0;         // where it stands in its file
  int32_t Ticks() const { return bars * time.BarTicks(); }
};

// A file read whole: its rhythms, or none and the reason (with its line) why it was refused.
struct LevelRead {
  std::vector<Rhythm> rhythms;
  std::string error;
  bool Ok() const { return error.empty(); }
};

// Any bytes: a broken file gives its first fault, never a crash.
LevelRead ParseLevel(std::span<const uint8_t> bytes);

}  // namespace rhythm
