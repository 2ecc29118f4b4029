// The rhythm level file: what a rhythm line means in ticks, and the first fault of a broken file
// with its line.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tasks/rhythm/RhythmFile.h"

namespace {

using rhythm::LevelRead;
using rhythm::Note;

LevelRead Parse(const std::string& text) {
  return rhythm::ParseLevel(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

TEST(RhythmFile, ReadsValuesDotsRestsTripletsBarsAndSignatures) {
  const LevelRead read = Parse(
      "# a level\r\n"
      "aurelo-rhythms 1\r\n"
      "\n"
      "time 3/4\r\n"
      "q. e rq | {e e e}{e re e} q |   # two bars, a closing bar line\n"
      "time 6/8\n"
      "re s s q   rq\n");
  ASSERT_TRUE(read.Ok()) << read.error;
  ASSERT_EQ(read.rhythms.size(), 2u);
  const rhythm::Rhythm& first = read.rhythms[0];
  EXPECT_EQ(first.time, (rhythm::TimeSignature{3, 4}));
  EXPECT_EQ(first.bars, 2);
  EXPECT_EQ(first.line, 5);
  EXPECT_EQ(first.text, "q. e rq | {e e e}{e re e} q |");
  EXPECT_EQ(first.notes, (std::vector<Note>{{0, 36}, {36, 12}, {72, 8}, {80, 8}, {88, 8}, {96, 8}, {112, 8}, {120, 24}}));
  const rhythm::Rhythm& second = read.rhythms[1];
  EXPECT_EQ(second.time.MetronomeIndex(), 13);
  EXPECT_EQ(second.Ticks(), 72);
  EXPECT_EQ(second.notes, (std::vector<Note>{{12, 6}, {18, 6}, {24, 24}}));
}

TEST(RhythmFile, RefusesABrokenFileWithTheLineAndWhatIsWrong) {
  const std::string head = "aurelo-rhythms 1\ntime 4/4\n";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "the file holds no rhythm"},
      {head, "the file holds no rhythm"},
      {"\n# x\naurelo-rhythms 2\n", "line 3: the file does not start with \"aurelo-rhythms 1\""},
      {"aurelo-rhythms 1\nq q q q\n", "line 2: a rhythm before the first \"time\" line"},
      {head + "time 9/8\n", "line 3: unknown time signature \"9/8\" (1 to 8 beats over 4 or 8, such as 3/4 or 6/8)"},
      {head + "time\n", "line 3: unknown time signature \"\" (1 to 8 beats over 4 or 8, such as 3/4 or 6/8)"},
      {head + "q q x\xff q\n",
       "line 3: \"x?\" is no note value (w h q e s, a dot after for dotted, r before for a rest)"},
      {head + "q.. q q\n", "line 3: \"q..\" is no note value (w h q e s, a dot after for dotted, r before for a rest)"},
      {head + "q q q | q q q q q\n", "line 3: bar 1 is too short by 1/4 for 4/4"},
      {head + "h | h q q q\n", "line 3: bar 1 is too short by 1/2 for 4/4"},
      {head + "w | w | w h.\n", "line 3: bar 3 is too long by 3/4 for 4/4"},
      {head + "w w w\n", "line 3: bar 1 is too long by 2 whole notes for 4/4"},
      {head + "{e e} h q\n", "line 3: bar 1 is too short by 1/12 for 4/4"},
      {head + "w || w\n", "line 3: bar 2 is empty"},
      {head + "w | w | w | w | w\n", "line 3: more than 4 bars"},
      {head + "{e e {e} h. \n", "line 3: \"{\" inside a triplet"},
      {head + "e e } h.\n", "line 3: \"}\" without \"{\""},
      {head + "{} w\n", "line 3: an empty triplet"},
      {head + "{e e | e} h.\n", "line 3: a bar line inside a triplet"},
      {head + "h. {e e e\n", "line 3: a triplet is not closed"},
      {head + "rw | rh rh\n", "line 3: no note, only rests"},
      {head + "q q h\nw\ntime 2/4\nq q | h\ntime 4/4\nq  q   h |\n", "line 8: the same rhythm as line 3"},
  };
  for (const auto& [text, message] : cases) {
    const LevelRead read = Parse(text);
    EXPECT_EQ(read.error, message) << text;
    EXPECT_TRUE(read.rhythms.empty()) << text;
  }
}

}  // namespace
