#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tasks/drills/DrillItems.h"

// Judging a drill's answers, named in a dialog or played on the piano, and what the progress
// history keeps of a wrong one.
namespace drills {

// What the student names: an interval (by its size, whatever its direction), a scale, or a
// chord's position together with its type when the drill asks for both.
struct Answer {
  Family family = Family::kInterval;
  int32_t semitones = 0;
  Scale scale = Scale::kMajor;
  Position position = Position::kRoot;
  std::optional<ChordType> chord{};
  friend bool operator==(const Answer&, const Answer&) = default;
};

// The answer that names the item rightly.
Answer RightAnswer(const Item& item);
// The answers a dialog offers for the level, in the order of the file: its intervals, its
// scales, its positions (each position of each type when the type is asked too).
std::vector<Answer> Choices(const Level& level);

bool IsRight(const Item& item, const Answer& answer);

enum class Verdict { kNotYet, kRight, kWrong };
// The notes played on the piano so far, against the item: the tones in their order for a
// melodic interval and a scale, the tones as a set (in any order, a repeated note counted
// once) for a harmonic interval and a chord. kNotYet while what was played can still become
// right.
Verdict JudgePlayed(const Item& item, const std::vector<int32_t>& played);
// What the played notes name in the item's terms: the interval of the first two notes, the
// scale whose steps they run, the chord position (and type) their set makes; nullopt when
// they name nothing of the kind.
std::optional<Answer> AnswerOfPlayed(const Item& item, const std::vector<int32_t>& played);

// The answer's word in the progress history: "M3", "dorian", "first", or with the type
// "dominant-seventh first".
std::string KeyOf(const Answer& answer);

// The item asked and what the student answered, in the words of KeyOf; answered is "?"
// for notes played that name nothing.
struct Confusion {
  std::string asked;
  std::string answered;
  friend bool operator==(const Confusion&, const Confusion&) = default;
};
Confusion ConfusionOf(const Item& item, const Answer& given);
Confusion ConfusionOfPlayed(const Item& item, const std::vector<int32_t>& played);

}  // namespace drills
