// The exercise file reader on broken files (one exact line on what is wrong), the listing of
// the shipped and the teacher's own drills, and the judging of answers that are wrong.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <span>
#include <string>

#include "support/TempDir.h"
#include "tasks/drills/DrillAnswers.h"
#include "tasks/drills/DrillFile.h"
#include "tasks/drills/DrillLibrary.h"

namespace {

using namespace drills;

// A drill of one level around the given level and reference; the rest as a teacher writes it.
std::string File(const std::string& level, const std::string& reference = R"({"lowest": 48, "highest": 60})",
                 const std::string& kind = "mixed") {
  return R"({"format": 1, "title": {"english": "Thirds", "german": "Terzen"}, "kind": ")" + kind +
         R"(", "reference": )" + reference + R"(, "levels": [)" + level + "]}";
}

std::string ErrorOf(const std::string& text) {
  const DrillRead read = ReadDrill(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  EXPECT_FALSE(read.drill.has_value()) << text;
  return read.error;
}

TEST(DrillFile, ABrokenFileGetsOneLineOnWhatIsWrong) {
  const std::string thirds = R"({"intervals": {"semitones": [3, 4], "directions": ["ascending"]}})";
  const std::pair<std::string, std::string> cases[] = {
      {"", "not JSON: empty"},
      {R"({"format": 1,)", "not JSON: unterminated object at byte 13"},
      {"[1]", "the file must be an object {...}"},
      {"{}", "\"format\" is missing"},
      {R"({"format": 2})", "format 2 is newer than this program reads (1)"},
      {R"({"format": "1"})", "\"format\" must be 1"},
      {R"({"format": 1, "levle": []})", "unknown key \"levle\""},
      {R"({"format": 1, "title": {"german": "Terzen"}})", "\"title\": \"english\" is missing"},
      {R"({"format": 1, "title": {"english": "a\nb"}})", "\"title\": \"english\" must be one line without tabs"},
      {R"({"format": 1, "title": {"english": "x"}, "kind": "chords"})",
       "\"kind\" must be one of: intervals, scales, inversions, mixed"},
      {File(thirds, R"({"lowest": 12, "highest": 60})"), "\"reference\": \"lowest\" must be a whole number 24-103"},
      {File(thirds, R"({"lowest": 60, "highest": 48})"), "\"reference\": \"highest\" is below \"lowest\""},
      {File(thirds, R"({"fixed": 60, "lowest": 48})"), "\"reference\": give either \"fixed\" or \"lowest\" and \"highest\""},
      {File(R"({})"), "level 1: plays nothing: give \"intervals\", \"scales\" or \"chords\""},
      {File(thirds + R"(, {"intervals": {"semitones": [3, 17], "directions": ["ascending"]}})"),
       "level 2, intervals: \"semitones\" must list whole numbers 0-16"},
      {File(R"({"intervals": {"semitones": [3, 3], "directions": ["ascending"]}})"),
       "level 1, intervals: \"semitones\" lists an entry twice"},
      {File(R"({"intervals": {"semitones": [3]}})"), "level 1, intervals: \"directions\" is missing"},
      {File(R"({"scales": {"names": ["major"], "directions": ["harmonic"]}})"),
       "level 1, scales: \"directions\" must list at least one of: ascending, descending, melody"},
      {File(R"({"scales": {"names": ["ionian"], "directions": ["ascending"]}})"),
       "level 1, scales: \"names\" must list at least one of: major, natural-minor, harmonic-minor, melodic-minor, "
       "dorian, phrygian, lydian, mixolydian, locrian, major-pentatonic, minor-pentatonic, whole-tone, chromatic"},
      {File(R"({"chords": {"types": ["major", "minor"], "positions": ["root", "third"]}})"),
       "level 1, chords: the \"third\" position needs a seventh chord among \"types\""},
      {File(R"({"chords": {"types": ["major"], "positions": ["root"], "askType": 1}})"),
       "level 1, chords: \"askType\" must be true or false"},
      {File(R"({"scales": {"names": ["major"], "directions": ["ascending"]}})", R"({"fixed": 60})", "intervals"),
       "level 1: a drill of kind \"intervals\" has no \"scales\""},
      {R"({"format": 1, "title": {"english": "x"}, "kind": "mixed", "reference": {"fixed": 60}, "answers": ["voice"],)"
       R"( "levels": [{"intervals": {"semitones": [3], "directions": ["ascending"]}},)"
       R"( {"scales": {"names": ["major"], "directions": ["ascending"]}}]})",
       "level 2: \"voice\" answers intervals only: add \"name\" or \"piano\" to \"answers\" for scales and chords"},
  };
  for (const auto& [text, error] : cases) EXPECT_EQ(ErrorOf(text), error) << text;
}

TEST(DrillFile, AGoodFileGivesItsDrillWithTheEnglishTitleForAMissingLanguage) {
  const std::string text = File(R"({"chords": {"types": ["dominant-seventh"], "positions": ["third"], "askType": true}})",
                                R"({"fixed": 50})");
  const DrillRead read = ReadDrill(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  ASSERT_TRUE(read.drill) << read.error;
  const Drill& drill = *read.drill;
  EXPECT_EQ(TitleIn(drill, 1), "Terzen");
  EXPECT_EQ(TitleIn(drill, 2), "Thirds");
  EXPECT_EQ(TitleIn(drill, 4), "Thirds");
  EXPECT_TRUE(drill.byName && !drill.onPiano);
  EXPECT_EQ(drill.lowestReference, 50);
  EXPECT_EQ(drill.highestReference, 50);
  // E7 in third inversion over D: D E G# B.
  const Item item = DrawItem(drill, 5);
  EXPECT_EQ(item.tones, (std::vector<Tone>{{50, 0, kTogetherMs}, {52, 0, kTogetherMs}, {56, 0, kTogetherMs},
                                            {59, 0, kTogetherMs}}));
  EXPECT_EQ(ConfusionOf(item, Answer{.family = Family::kInversion, .position = Position::kThird}),
            (Confusion{"dominant-seventh third", "third"}));
}

TEST(DrillFile, WrongAnswersAreRecordedWithWhatTheyName) {
  const Item third = BuildItem({.family = Family::kInterval, .semitones = 4}, 60);
  EXPECT_EQ(ConfusionOfPlayed(third, {60, 63}), (Confusion{"M3", "m3"}));
  EXPECT_EQ(JudgePlayed(third, {60, 63}), Verdict::kWrong);
  EXPECT_EQ(JudgePlayed(third, {64, 60}), Verdict::kWrong);
  const Item chord = BuildItem({.family = Family::kInversion, .chord = ChordType::kMajor}, 60);
  EXPECT_EQ(JudgePlayed(chord, {67, 60, 60}), Verdict::kNotYet);
  EXPECT_EQ(JudgePlayed(chord, {67, 60, 64}), Verdict::kRight);
  EXPECT_EQ(ConfusionOfPlayed(chord, {64, 67, 72}), (Confusion{"root", "first"}));
  EXPECT_EQ(ConfusionOfPlayed(chord, {60, 61}), (Confusion{"root", "?"}));
  const Item dorian = BuildItem({.family = Family::kScale, .direction = Direction::kDescending, .scale = Scale::kDorian}, 62);
  EXPECT_EQ(ConfusionOfPlayed(dorian, {74, 73, 71, 69, 67, 66, 64, 62}), (Confusion{"dorian", "major"}));
}

TEST(DrillFile, AMelodyInAScaleWalksItsDegreesFromTonicToTonic) {
  std::srand(1);
  const Item melody =
      BuildItem({.family = Family::kScale, .direction = Direction::kMelody, .scale = Scale::kHarmonicMinor}, 57);
  const std::vector<Tone> tones = {{57, 0, 450},    {59, 450, 450},   {62, 900, 450}, {65, 1350, 450},
                                   {64, 1800, 450}, {68, 2250, 450}, {69, 2700, 900}};
  EXPECT_EQ(melody.tones, tones);
  EXPECT_EQ(RightAnswer(melody), (Answer{.family = Family::kScale, .scale = Scale::kHarmonicMinor}));
}

TEST(DrillLibrary, ListsShippedThenOwnDrillsAndNamesABrokenFileOnce) {
  TempWorkDir dir;
  const std::filesystem::path shipped = dir.Path() / "shipped";
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string oldDataHome = old ? old : "";
  setenv("XDG_DATA_HOME", (dir.Path() / "data").c_str(), 1);
  const std::filesystem::path own = OwnFolder();
  EXPECT_EQ(own, dir.Path() / "data" / "aurelo" / "exercises");
  std::filesystem::create_directories(shipped);
  std::filesystem::create_directories(own);
  const std::string good = File(R"({"intervals": {"semitones": [3, 4], "directions": ["ascending"]}})");
  std::ofstream(shipped / "b.json") << good;
  std::ofstream(shipped / "a.JSON") << good;
  std::ofstream(own / "mine.json") << good;
  std::ofstream(own / "broken.json") << R"({"format": 1, "title": {"english": "x"}})";
  std::ofstream(own / "notes.txt") << "not an exercise";
  std::filesystem::create_directory(own / "folder.json");

  const DrillList list = ListDrills(shipped, own);
  std::vector<std::string> files;
  for (const ListedDrill& listed : list.drills) files.push_back(listed.file.filename().string() + (listed.own ? " own" : ""));
  EXPECT_EQ(files, (std::vector<std::string>{"a.JSON", "b.json", "mine.json own"}));
  EXPECT_EQ(list.broken, (std::vector<std::string>{"broken.json: \"kind\" is missing",
                                                   "folder.json: not a regular file"}));
  if (old) {
    setenv("XDG_DATA_HOME", oldDataHome.c_str(), 1);
  } else {
    unsetenv("XDG_DATA_HOME");
  }
}

}  // namespace
