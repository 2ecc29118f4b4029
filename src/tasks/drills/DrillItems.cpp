#include "tasks/drills/DrillItems.h"

#include <algorithm>
#include <cstdlib>

#include "tasks/chords/Chords.h"

namespace drills {

std::vector<Question> Questions(const Level& level) {
  std::vector<Question> questions;
  for (int32_t semitones : level.intervals.semitones) {
    for (Direction direction : level.intervals.directions) {
      questions.push_back({.family = Family::kInterval, .semitones = semitones, .direction = direction});
    }
  }
  for (Scale scale : level.scales.scales) {
    for (Direction direction : level.scales.directions) {
      questions.push_back({.family = Family::kScale, .direction = direction, .scale = scale});
    }
  }
  for (ChordType type : level.chords.types) {
    for (Position position : level.chords.positions) {
      if (static_cast<int32_t>(position) >= ChordToneCount(type)) continue;
      questions.push_back(
          {.family = Family::kInversion, .chord = type, .position = position, .askType = level.chords.askType});
    }
  }
  return questions;
}

std::vector<int32_t> ScaleSteps(Scale scale) {
  switch (scale) {
    case Scale::kMajor: return {0, 2, 4, 5, 7, 9, 11, 12};
    case Scale::kNaturalMinor: return {0, 2, 3, 5, 7, 8, 10, 12};
    case Scale::kHarmonicMinor: return {0, 2, 3, 5, 7, 8, 11, 12};
    case Scale::kMelodicMinor: return {0, 2, 3, 5, 7, 9, 11, 12};
    case Scale::kDorian: return {0, 2, 3, 5, 7, 9, 10, 12};
    case Scale::kPhrygian: return {0, 1, 3, 5, 7, 8, 10, 12};
    case Scale::kLydian: return {0, 2, 4, 6, 7, 9, 11, 12};
    case Scale::kMixolydian: return {0, 2, 4, 5, 7, 9, 10, 12};
    case Scale::kLocrian: return {0, 1, 3, 5, 6, 8, 10, 12};
    case Scale::kMajorPentatonic: return {0, 2, 4, 7, 9, 12};
    case Scale::kMinorPentatonic: return {0, 3, 5, 7, 10, 12};
    case Scale::kWholeTone: return {0, 2, 4, 6, 8, 10, 12};
    case Scale::kChromatic: break;
  }
  return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
}

std::vector<int32_t> MelodySteps(Scale scale) {
  const std::vector<int32_t> steps = ScaleSteps(scale);
  const auto octave = static_cast<int32_t>(steps.size()) - 1;
  const int32_t count = kShortestMelody + std::rand() % (kLongestMelody - kShortestMelody + 1);
  std::vector<int32_t> melody = {0};
  int32_t degree = 0;
  for (int32_t i = 2; i < count; ++i) {
    const int32_t size = 1 + std::rand() % 2;
    const bool up = std::rand() % 2 == 0;
    // A move past either end goes the other way.
    degree = (up && degree + size <= octave) || degree - size < 0 ? degree + size : degree - size;
    melody.push_back(steps[static_cast<size_t>(degree)]);
  }
  melody.push_back(2 * degree <= octave ? 0 : 12);
  return melody;
}

int32_t ChordsTypeIndex(ChordType type) {
  static constexpr std::array<int32_t, kChordKeys.size()> kIndex = {0, 1, 2, 6, 7, 4, 8, 5};
  return kIndex[static_cast<size_t>(type)];
}

int32_t ChordToneCount(ChordType type) {
  return ChordsTypeIndex(type) <= Chords::kLastTriad ? 3 : 4;
}

std::vector<int32_t> ChordShape(ChordType type, Position position) {
  const auto& row = Chords::kIntervals[static_cast<size_t>(ChordsTypeIndex(type))];
  const int32_t count = ChordToneCount(type);
  const int32_t raised = std::min(static_cast<int32_t>(position), count - 1);
  // The tones below the one in the bass go up an octave.
  std::vector<int32_t> shape;
  for (int32_t i = 0; i < count; ++i) shape.push_back(row[static_cast<size_t>(i)] + (i < raised ? 12 : 0));
  std::sort(shape.begin(), shape.end());
  const int32_t bass = shape.front();
  for (int32_t& tone : shape) tone -= bass;
  return shape;
}

Item BuildItem(const Question& question, int32_t reference) {
  Item item{.question = question, .reference = reference};
  switch (question.family) {
    case Family::kInterval:
      if (question.direction == Direction::kHarmonic) {
        item.together = true;
        item.tones = {{reference, 0, kTogetherMs}, {reference + question.semitones, 0, kTogetherMs}};
      } else {
        const int32_t sign = question.direction == Direction::kDescending ? -1 : 1;
        item.tones = {{reference, 0, kMelodicToneMs},
                      {reference + sign * question.semitones, kMelodicToneMs, kMelodicToneMs}};
      }
      break;
    case Family::kScale: {
      std::vector<int32_t> steps =
          question.direction == Direction::kMelody ? MelodySteps(question.scale) : ScaleSteps(question.scale);
      if (question.direction == Direction::kDescending) std::reverse(steps.begin(), steps.end());
      uint32_t at = 0;
      for (size_t i = 0; i < steps.size(); ++i) {
        const uint32_t length = i + 1 == steps.size() ? 2 * kScaleToneMs : kScaleToneMs;
        item.tones.push_back({reference + steps[i], at, length});
        at += kScaleToneMs;
      }
      break;
    }
    case Family::kInversion:
      item.together = true;
      for (int32_t tone : ChordShape(question.chord, question.position)) {
        item.tones.push_back({reference + tone, 0, kTogetherMs});
      }
      break;
  }
  return item;
}

Item DrawItem(const Drill& drill, size_t level) {
  if (drill.levels.empty()) return {};
  const std::vector<Question> questions = Questions(drill.levels[std::min(level, drill.levels.size() - 1)]);
  if (questions.empty()) return {};
  const Question& question = questions[static_cast<size_t>(std::rand()) % questions.size()];
  const int32_t span = std::max(drill.highestReference - drill.lowestReference, 0) + 1;
  return BuildItem(question, drill.lowestReference + std::rand() % span);
}

}  // namespace drills
