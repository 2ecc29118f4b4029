#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A drill of intervals, scales or chord inversions as an exercise file describes it
// (README: "Exercise files"). The words of the file (the keys below) are also what the
// progress history stores for the asked and the answered item, so they never change.
namespace drills {

// The file format this program reads.
inline constexpr int32_t kFormat = 1;
// The widest interval a drill plays: a major tenth.
inline constexpr int32_t kMostSemitones = 16;
// The reference tones a drill may ask for: every tone of its items then stays a MIDI note.
inline constexpr int32_t kLowestReference = 24;
inline constexpr int32_t kHighestReference = 103;

enum class Kind { kIntervals, kScales, kInversions, kMixed };
inline constexpr std::array<const char*, 4> kKindKeys = {"intervals", "scales", "inversions", "mixed"};

// What one item asks for.
enum class Family { kInterval, kScale, kInversion };

// How an interval sounds (the tones one after the other or together); how a scale sounds
// (running ascending or descending, or a short melody in it).
enum class Direction { kAscending, kDescending, kHarmonic, kMelody };
inline constexpr std::array<const char*, 3> kDirectionKeys = {"ascending", "descending", "harmonic"};
inline constexpr std::array<const char*, 3> kScaleDirectionKeys = {"ascending", "descending", "melody"};
inline constexpr std::array<Direction, 3> kScaleDirections = {Direction::kAscending, Direction::kDescending,
                                                              Direction::kMelody};

// Major and natural minor are also the Ionian and Aeolian modes; the melodic minor sounds in
// its ascending form both ways.
enum class Scale {
  kMajor, kNaturalMinor, kHarmonicMinor, kMelodicMinor, kDorian, kPhrygian, kLydian, kMixolydian,
  kLocrian, kMajorPentatonic, kMinorPentatonic, kWholeTone, kChromatic
};
inline constexpr std::array<const char*, 13> kScaleKeys = {
    "major",      "natural-minor", "harmonic-minor",   "melodic-minor",    "dorian",     "phrygian", "lydian",
    "mixolydian", "locrian",       "major-pentatonic", "minor-pentatonic", "whole-tone", "chromatic"};

// The chords whose positions can be told apart by ear (the augmented triad and the
// diminished seventh chord sound alike in every position).
enum class ChordType {
  kMajor, kMinor, kDiminished, kDominantSeventh, kMajorSeventh, kMinorSeventh, kHalfDiminishedSeventh,
  kMinorMajorSeventh
};
inline constexpr std::array<const char*, 8> kChordKeys = {
    "major",         "minor",         "diminished",         "dominant-seventh", "major-seventh",
    "minor-seventh", "half-diminished-seventh", "minor-major-seventh"};

// Which chord tone is in the bass: root, third, fifth or seventh. The third inversion is
// only a seventh chord's.
enum class Position { kRoot, kFirst, kSecond, kThird };
inline constexpr std::array<const char*, 4> kPositionKeys = {"root", "first", "second", "third"};

// The short names of the intervals 0-16 semitones, as the progress history stores them.
inline constexpr std::array<const char*, kMostSemitones + 1> kIntervalKeys = {
    "P1", "m2", "M2", "m3", "M3", "P4", "TT", "P5", "m6", "M6", "m7", "M7", "P8", "m9", "M9", "m10", "M10"};

struct IntervalSet {
  std::vector<int32_t> semitones;  // 0-16, each once
  std::vector<Direction> directions;
};
struct ScaleSet {
  std::vector<Scale> scales;
  std::vector<Direction> directions;  // ascending, descending, melody
};
struct ChordSet {
  std::vector<ChordType> types;
  std::vector<Position> positions;
  bool askType = false;  // the answer names the chord type as well as the position
};

// What one level plays: any of the three families, at least one (a level of a drill of one
// kind has only that kind's).
struct Level {
  IntervalSet intervals;
  ScaleSet scales;
  ChordSet chords;
};

// The texts of the four languages; a missing one is the English one.
struct Titles {
  std::string english, german, russian, portuguese;
};

struct Drill {
  Titles title;
  Kind kind = Kind::kIntervals;
  // The first tone of an interval, the tonic of a scale, the bass of a chord: a MIDI note
  // drawn from lowest..highest (one note when both are the same).
  int32_t lowestReference = 48;
  int32_t highestReference = 72;
  // How the student may answer: by name in a dialog, by playing on the piano, by singing
  // the second tone of an interval (the drill's scales and chords are answered the other ways).
  bool byName = true;
  bool onPiano = false;
  bool byVoice = false;
  std::vector<Level> levels;  // at least one
};

// The title in the interface language (0 English, 1 German, 2 Russian, 3 Portuguese; any
// other, the custom language included, gives English).
const std::string& TitleIn(const Drill& drill, int32_t languageIndex);

}  // namespace drills
