#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tasks/drills/Drill.h"

// The items of a drill: what one asks for and the tones that play it.
namespace drills {

// One thing a level can ask: an interval in a direction, a scale running up or down, a chord
// type in a position.
struct Question {
  Family family = Family::kInterval;
  int32_t semitones = 0;
  Direction direction = Direction::kAscending;  // of an interval or a scale
  Scale scale = Scale::kMajor;
  ChordType chord = ChordType::kMajor;
  Position position = Position::kRoot;
  bool askType = false;  // the chord's type is named too
  friend bool operator==(const Question&, const Question&) = default;
};

// A MIDI note of the playback, from its start.
struct Tone {
  int32_t note = 0;
  uint32_t startMs = 0;
  uint32_t lengthMs = 0;
  friend bool operator==(const Tone&, const Tone&) = default;
};

struct Item {
  Question question;
  int32_t reference = 0;
  std::vector<Tone> tones{};  // in the order they sound; tones of one start sound together
  // Whether the tones sound together (a harmonic interval, a chord): the piano answer is
  // then a set of notes, else the notes in their order.
  bool together = false;
};

// How long the tones sound: a melodic interval's two tones one after the other, a scale's
// tones (its last one twice as long), a harmonic interval's or a chord's tones together.
inline constexpr uint32_t kMelodicToneMs = 900;
inline constexpr uint32_t kScaleToneMs = 450;
inline constexpr uint32_t kTogetherMs = 1800;
// The tones of a short melody in a scale.
inline constexpr int32_t kShortestMelody = 6;
inline constexpr int32_t kLongestMelody = 8;

// Every question of the level: the intervals in each direction, the scales in each
// direction, the chord types in each position they have (a triad has no third inversion).
std::vector<Question> Questions(const Level& level);

// The semitones above the tonic of the scale's tones up to the octave (0 and 12 included).
std::vector<int32_t> ScaleSteps(Scale scale);
// A short melody in the scale, as semitones above the tonic: a random walk of
// kShortestMelody-kLongestMelody tones over its degrees from the tonic to the octave, by one or
// two degrees at a time (a move past either end goes the other way), from the tonic to the tonic or its octave,
// whichever is nearer. Drawn with std::rand like the other tasks' tones.
std::vector<int32_t> MelodySteps(Scale scale);
// The semitones above the bass of the chord's tones in the position, lowest first.
std::vector<int32_t> ChordShape(ChordType type, Position position);
// The chord's type among those of the chord tasks (their names are texts 203-217).
int32_t ChordsTypeIndex(ChordType type);
// The number of tones of the chord type: 3 or 4.
int32_t ChordToneCount(ChordType type);

// The item of the question on the reference tone (the first tone of an interval, the tonic
// of a scale, the bass of a chord). A melody in a scale is drawn anew each time.
Item BuildItem(const Question& question, int32_t reference);
// A random question of the drill's level (a level past the last is the last) on a random
// reference tone of the drill's range, drawn with std::rand like the other tasks' tones.
Item DrawItem(const Drill& drill, size_t level);

}  // namespace drills
