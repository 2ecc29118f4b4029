#include "tasks/drills/DrillAnswers.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace drills {
namespace {

// The played notes as a set, lowest first.
std::vector<int32_t> DistinctNotes(const std::vector<int32_t>& played) {
  const std::set<int32_t> notes(played.begin(), played.end());
  return {notes.begin(), notes.end()};
}

std::vector<int32_t> ItemNotes(const Item& item) {
  std::vector<int32_t> notes;
  for (const Tone& tone : item.tones) notes.push_back(tone.note);
  return notes;
}

std::optional<Answer> ChordOfNotes(const Item& item, const std::vector<int32_t>& played) {
  std::vector<int32_t> shape = DistinctNotes(played);
  if (shape.empty()) return std::nullopt;
  const int32_t bass = shape.front();
  for (int32_t& note : shape) note -= bass;
  for (size_t type = 0; type < kChordKeys.size(); ++type) {
    for (size_t position = 0; position < kPositionKeys.size(); ++position) {
      const auto chord = static_cast<ChordType>(type);
      if (static_cast<int32_t>(position) >= ChordToneCount(chord)) continue;
      if (ChordShape(chord, static_cast<Position>(position)) != shape) continue;
      Answer answer{.family = Family::kInversion, .position = static_cast<Position>(position)};
      if (item.question.askType) answer.chord = chord;
      return answer;
    }
  }
  return std::nullopt;
}

std::optional<Answer> ScaleOfNotes(const std::vector<int32_t>& played) {
  if (played.empty()) return std::nullopt;
  const bool descending = played.size() > 1 && played[1] < played[0];
  const int32_t tonic = descending ? played.back() : played.front();
  std::vector<int32_t> steps;
  for (int32_t note : played) steps.push_back(note - tonic);
  if (descending) std::reverse(steps.begin(), steps.end());
  for (size_t scale = 0; scale < kScaleKeys.size(); ++scale) {
    if (ScaleSteps(static_cast<Scale>(scale)) == steps) {
      return Answer{.family = Family::kScale, .scale = static_cast<Scale>(scale)};
    }
  }
  return std::nullopt;
}

}  // namespace

Answer RightAnswer(const Item& item) {
  const Question& q = item.question;
  Answer answer{.family = q.family, .semitones = q.semitones, .scale = q.scale, .position = q.position};
  if (q.family != Family::kInterval) answer.semitones = 0;
  if (q.family != Family::kScale) answer.scale = Scale::kMajor;
  if (q.family != Family::kInversion) answer.position = Position::kRoot;
  if (q.family == Family::kInversion && q.askType) answer.chord = q.chord;
  return answer;
}

std::vector<Answer> Choices(const Level& level) {
  std::vector<Answer> choices;
  const auto add = [&choices](const Answer& answer) {
    if (std::find(choices.begin(), choices.end(), answer) == choices.end()) choices.push_back(answer);
  };
  for (int32_t semitones : level.intervals.semitones) add({.family = Family::kInterval, .semitones = semitones});
  for (Scale scale : level.scales.scales) add({.family = Family::kScale, .scale = scale});
  for (const Question& q : Questions(level)) {
    if (q.family != Family::kInversion) continue;
    add(RightAnswer(Item{.question = q}));
  }
  return choices;
}

bool IsRight(const Item& item, const Answer& answer) { return RightAnswer(item) == answer; }

Verdict JudgePlayed(const Item& item, const std::vector<int32_t>& played) {
  const std::vector<int32_t> wanted = ItemNotes(item);
  if (item.together) {
    const std::vector<int32_t> set = DistinctNotes(wanted);
    const std::vector<int32_t> given = DistinctNotes(played);
    if (!std::includes(set.begin(), set.end(), given.begin(), given.end())) return Verdict::kWrong;
    return given.size() == set.size() ? Verdict::kRight : Verdict::kNotYet;
  }
  if (played.size() > wanted.size() || !std::equal(played.begin(), played.end(), wanted.begin())) {
    return Verdict::kWrong;
  }
  return played.size() == wanted.size() ? Verdict::kRight : Verdict::kNotYet;
}

std::optional<Answer> AnswerOfPlayed(const Item& item, const std::vector<int32_t>& played) {
  // The item's own tones name it (a melody in a scale runs no scale).
  if (JudgePlayed(item, played) == Verdict::kRight) return RightAnswer(item);
  switch (item.question.family) {
    case Family::kInterval: {
      if (played.size() < 2) return std::nullopt;
      const int32_t semitones = std::abs(played[1] - played[0]);
      if (semitones > kMostSemitones) return std::nullopt;
      return Answer{.family = Family::kInterval, .semitones = semitones};
    }
    case Family::kScale:
      return ScaleOfNotes(played);
    case Family::kInversion:
      return ChordOfNotes(item, played);
  }
  return std::nullopt;
}

std::string KeyOf(const Answer& answer) {
  switch (answer.family) {
    case Family::kInterval:
      return kIntervalKeys[static_cast<size_t>(std::clamp(answer.semitones, 0, kMostSemitones))];
    case Family::kScale:
      return kScaleKeys[static_cast<size_t>(answer.scale)];
    case Family::kInversion: {
      const std::string position = kPositionKeys[static_cast<size_t>(answer.position)];
      return answer.chord ? std::string(kChordKeys[static_cast<size_t>(*answer.chord)]) + " " + position : position;
    }
  }
  return "?";
}

Confusion ConfusionOf(const Item& item, const Answer& given) {
  return {KeyOf(RightAnswer(item)), KeyOf(given)};
}

Confusion ConfusionOfPlayed(const Item& item, const std::vector<int32_t>& played) {
  const std::optional<Answer> named = AnswerOfPlayed(item, played);
  return {KeyOf(RightAnswer(item)), named ? KeyOf(*named) : "?"};
}

}  // namespace drills
