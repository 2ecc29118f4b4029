// Every shipped exercise file is read, and every item of every level plays the notes its
// question names (checked against the program's scale and chord tables) and is judged right
// when answered rightly, wrong when answered wrongly, by name and on the piano.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "music/MusicalTables.h"
#include "tasks/chords/Chords.h"
#include "tasks/drills/DrillAnswers.h"
#include "tasks/drills/DrillLibrary.h"

namespace {

using namespace drills;

std::vector<int32_t> Notes(const Item& item) {
  std::vector<int32_t> notes;
  for (const Tone& tone : item.tones) notes.push_back(tone.note);
  return notes;
}

std::set<int32_t> PitchClasses(const std::vector<int32_t>& notes) {
  std::set<int32_t> classes;
  for (int32_t note : notes) classes.insert(note % 12);
  return classes;
}

void ExpectIntervalNotes(const Item& item) {
  const Question& q = item.question;
  ASSERT_EQ(item.tones.size(), 2u);
  const int32_t distance = item.tones[1].note - item.tones[0].note;
  EXPECT_EQ(distance, q.direction == Direction::kDescending ? -q.semitones : q.semitones);
  const bool together = q.direction == Direction::kHarmonic;
  EXPECT_EQ(item.together, together);
  EXPECT_EQ(item.tones[1].startMs, together ? 0u : item.tones[0].lengthMs);
}

// The program's mode of the scale, where the mode list has it.
int32_t ProgramMode(Scale scale) {
  static const std::map<Scale, int32_t> kModes = {
      {Scale::kMajor, 0},      {Scale::kDorian, 1},       {Scale::kPhrygian, 2},      {Scale::kLydian, 3},
      {Scale::kMixolydian, 4}, {Scale::kNaturalMinor, 5}, {Scale::kLocrian, 6},       {Scale::kMelodicMinor, 7},
      {Scale::kHarmonicMinor, 8}, {Scale::kChromatic, 10}};
  const auto it = kModes.find(scale);
  return it == kModes.end() ? -1 : it->second;
}

// A melody: 6-8 tones of the scale from its tonic to its tonic or octave, by one or two degrees.
void ExpectMelodyNotes(const Item& item) {
  const std::vector<int32_t> steps = ScaleSteps(item.question.scale);
  std::vector<int32_t> degrees;
  for (int32_t note : Notes(item)) {
    const auto step = std::find(steps.begin(), steps.end(), note - item.reference);
    ASSERT_NE(step, steps.end()) << note;
    degrees.push_back(static_cast<int32_t>(step - steps.begin()));
  }
  ASSERT_TRUE(degrees.size() >= 6 && degrees.size() <= 8);
  EXPECT_EQ(degrees.front(), 0);
  EXPECT_TRUE(degrees.back() == 0 || degrees.back() + 1 == static_cast<int32_t>(steps.size()));
  for (size_t i = 1; i + 1 < degrees.size(); ++i) EXPECT_TRUE(std::abs(degrees[i] - degrees[i - 1]) <= 2);
}

void ExpectScaleNotes(const Item& item) {
  const Question& q = item.question;
  if (q.direction == Direction::kMelody) return ExpectMelodyNotes(item);
  std::vector<int32_t> notes = Notes(item);
  if (q.direction == Direction::kDescending) std::reverse(notes.begin(), notes.end());
  ASSERT_TRUE(std::is_sorted(notes.begin(), notes.end()) && std::adjacent_find(notes.begin(), notes.end()) == notes.end());
  EXPECT_EQ(notes.front(), item.reference);
  EXPECT_EQ(notes.back(), item.reference + 12);
  const std::set<int32_t> classes = PitchClasses(notes);
  const int32_t mode = ProgramMode(q.scale);
  if (mode >= 0) {
    const int32_t row = ScaleRowOf(mode, item.reference % 12);
    for (int32_t pc : classes) EXPECT_TRUE(InScaleRow(row, pc)) << kScaleKeys[static_cast<size_t>(q.scale)] << " " << pc;
    EXPECT_EQ(classes.size(), mode == 10 ? 12u : 7u);
    return;
  }
  std::vector<int32_t> steps;
  for (size_t i = 1; i < notes.size(); ++i) steps.push_back(notes[i] - notes[i - 1]);
  const std::map<Scale, std::vector<int32_t>> kSteps = {{Scale::kMajorPentatonic, {2, 2, 3, 2, 3}},
                                                        {Scale::kMinorPentatonic, {3, 2, 2, 3, 2}},
                                                        {Scale::kWholeTone, {2, 2, 2, 2, 2, 2}}};
  EXPECT_EQ(steps, kSteps.at(q.scale));
}

void ExpectChordNotes(const Item& item) {
  const Question& q = item.question;
  const std::vector<int32_t> notes = Notes(item);
  ASSERT_TRUE(std::is_sorted(notes.begin(), notes.end()));
  EXPECT_TRUE(item.together);
  EXPECT_EQ(notes.front(), item.reference);
  EXPECT_LT(notes.back() - notes.front(), 12);
  // The bass is the chord tone of the position; the notes are the chord's tones.
  const auto& row = Chords::kIntervals[static_cast<size_t>(ChordsTypeIndex(q.chord))];
  const int32_t root = item.reference - row[static_cast<size_t>(q.position)];
  std::set<int32_t> chord;
  for (int32_t tone : row) {
    if (tone != Chords::kEnd) chord.insert((root + tone + 120) % 12);
  }
  EXPECT_EQ(PitchClasses(notes), chord);
  EXPECT_EQ(notes.size(), chord.size());
}

// Any answer of the level's choices but the right one.
Answer WrongChoice(const Level& level, const Item& item) {
  for (const Answer& choice : Choices(level)) {
    if (choice != RightAnswer(item)) return choice;
  }
  return Answer{.family = Family::kInterval, .semitones = 99};
}

void ExpectJudged(const Level& level, const Item& item) {
  const Answer right = RightAnswer(item);
  const std::vector<Answer> choices = Choices(level);
  EXPECT_NE(std::find(choices.begin(), choices.end(), right), choices.end());
  EXPECT_TRUE(IsRight(item, right));
  const Answer wrong = WrongChoice(level, item);
  EXPECT_FALSE(IsRight(item, wrong));
  EXPECT_NE(ConfusionOf(item, wrong).answered, ConfusionOf(item, right).asked);

  std::vector<int32_t> played = Notes(item);
  EXPECT_EQ(JudgePlayed(item, played), Verdict::kRight);
  EXPECT_EQ(ConfusionOfPlayed(item, played), ConfusionOf(item, right));
  // A harmonic unison is one key.
  const bool oneKey = item.together && std::set<int32_t>(played.begin(), played.end()).size() == 1;
  EXPECT_EQ(JudgePlayed(item, {played.front()}), oneKey ? Verdict::kRight : Verdict::kNotYet);
  played.back() += 13;  // a tone no item of this kind has at that place
  EXPECT_EQ(JudgePlayed(item, played), Verdict::kWrong);
}

TEST(ShippedDrills, EveryItemOfEveryLevelPlaysItsNotesAndIsJudged) {
  const DrillList list = ListDrills(ShippedFolder(), std::filesystem::path(AURELO_SOURCE_DIR) / "no-such-folder");
  EXPECT_EQ(list.broken, std::vector<std::string>());
  std::map<Kind, int> kinds;
  for (const ListedDrill& listed : list.drills) ++kinds[listed.drill.kind];
  EXPECT_EQ(kinds, (std::map<Kind, int>{{Kind::kIntervals, 5}, {Kind::kScales, 3}, {Kind::kInversions, 3}, {Kind::kMixed, 2}}));

  size_t items = 0;
  for (const ListedDrill& listed : list.drills) {
    const Drill& drill = listed.drill;
    SCOPED_TRACE(listed.file.filename().string());
    EXPECT_FALSE(listed.own);
    EXPECT_FALSE(drill.title.german.empty() || drill.title.russian.empty() || drill.title.portuguese.empty());
    for (const Level& level : drill.levels) {
      for (const Question& question : Questions(level)) {
        for (int32_t reference : {drill.lowestReference, drill.highestReference}) {
          const Item item = BuildItem(question, reference);
          switch (question.family) {
            case Family::kInterval: ExpectIntervalNotes(item); break;
            case Family::kScale: ExpectScaleNotes(item); break;
            case Family::kInversion: ExpectChordNotes(item); break;
          }
          ExpectJudged(level, item);
          ++items;
        }
      }
    }
    // Drawn items come from the level and the drill's range.
    std::srand(7);
    for (int i = 0; i < 20; ++i) {
      const Item item = DrawItem(drill, drill.levels.size() - 1);
      const std::vector<Question> questions = Questions(drill.levels.back());
      EXPECT_NE(std::find(questions.begin(), questions.end(), item.question), questions.end());
      EXPECT_TRUE(item.reference >= drill.lowestReference && item.reference <= drill.highestReference);
    }
  }
  EXPECT_GT(items, 500u);
}

}  // namespace
