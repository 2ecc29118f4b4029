// A rhythm at a tempo (count-in, rhythm, count-in, answer) and the judging of scripted taps.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tasks/rhythm/RhythmJudge.h"
#include "tasks/rhythm/RhythmTiming.h"

namespace {

using rhythm::Judgement;
using rhythm::Sound;
using rhythm::TapTiming;

rhythm::Rhythm OneRhythm(const std::string& time, const std::string& line) {
  const std::string text = "aurelo-rhythms 1\ntime " + time + "\n" + line + "\n";
  rhythm::LevelRead read = rhythm::ParseLevel(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  EXPECT_TRUE(read.Ok()) << read.error;
  return read.rhythms.at(0);
}

TEST(RhythmTiming, CountInRhythmSecondCountInThenTheAnswer) {
  const rhythm::Schedule s = rhythm::MakeSchedule(OneRhythm("4/4", "q e e h"), 500, 12);
  const std::vector<Sound> expected = {
      {0, 39, 0},      {500, 38, 0},    {1000, 38, 0},   {1500, 38, 0},  // count-in
      {2000, 12, 437}, {2500, 12, 218}, {2750, 12, 218}, {3000, 12, 875},
      {4000, 39, 0},   {4500, 38, 0},   {5000, 38, 0},   {5500, 38, 0},  // second count-in
  };
  EXPECT_EQ(s.sounds, expected);
  EXPECT_EQ(s.rhythmStartMs, 2000);
  EXPECT_EQ(s.answerStartMs, 6000);
  EXPECT_EQ(s.answerEndMs, 8000);
  EXPECT_EQ(s.onsetsMs, (std::vector<int32_t>{0, 500, 750, 1000}));

  // 6/8 counts in on eighths; triplets at 116 bpm round to the nearest millisecond; a click
  // sounds the rhythm.
  const rhythm::Schedule eighths = rhythm::MakeSchedule(OneRhythm("6/8", "q. q."), 517, rhythm::kSoftClickKey);
  ASSERT_EQ(eighths.sounds.size(), 14u);
  EXPECT_EQ(eighths.sounds[5], (Sound{1293, 38, 0}));
  EXPECT_EQ(eighths.sounds[7], (Sound{2327, 37, 0}));
  EXPECT_EQ(eighths.answerStartMs, 4653);
  EXPECT_EQ(rhythm::MakeSchedule(OneRhythm("2/4", "{e e e} q"), 517, 0).onsetsMs,
            (std::vector<int32_t>{0, 172, 345, 517}));
}

TEST(RhythmJudge, ToleranceIsAPartOfTheBeatAndAtMost70Ms) {
  const rhythm::Tolerance standard;
  EXPECT_EQ(standard.Ms(500), 60);
  EXPECT_EQ(standard.Ms(288), 34);  // 208 bpm
  EXPECT_EQ(standard.Ms(1500), 70);
  EXPECT_EQ((rhythm::Tolerance{20, 50}.Ms(200)), 40);
  // Taps time-stamped on the 32-bit clock across its wrap.
  const std::vector<uint32_t> clock = {0xFFFFFF00u, 0xFFFFFFFFu, 99u};
  EXPECT_EQ(rhythm::TapsSince(clock, 0xFFFFFF00u), (std::vector<int32_t>{0, 255, 355}));
}

// q e e q at 500 ms a quarter: tolerance 60 ms.
const std::vector<int32_t> kOnsets = {0, 500, 750, 1000};

Judgement JudgeTaps(const std::vector<int32_t>& taps) { return rhythm::Judge(kOnsets, taps, 60, 500); }

std::vector<std::optional<int32_t>> Offsets(const Judgement& j) {
  std::vector<std::optional<int32_t>> offsets;
  for (const rhythm::OnsetResult& r : j.onsets) offsets.push_back(r.offsetMs);
  return offsets;
}

TEST(RhythmJudge, ScriptedTapsRightEarlyLateMissingAndExtra) {
  // Right: at the edges of the tolerance, handed over out of order.
  const Judgement right = JudgeTaps({500 + 60, -60, 1000, 750 - 3});
  EXPECT_TRUE(right.Right());
  EXPECT_EQ(Offsets(right), (std::vector<std::optional<int32_t>>{-60, 60, -3, 0}));
  EXPECT_EQ(right.toleranceMs, 60);

  // One early and one late by a millisecond past the tolerance.
  const Judgement off = JudgeTaps({-61, 500, 750 + 61, 1000});
  EXPECT_FALSE(off.Right());
  EXPECT_EQ(off.onsets[0].timing, TapTiming::Early);
  EXPECT_EQ(off.onsets[2].timing, TapTiming::Late);
  EXPECT_EQ(off.Count(TapTiming::InTime), 2);
  EXPECT_EQ(Offsets(off), (std::vector<std::optional<int32_t>>{-61, 0, 61, 0}));
  EXPECT_TRUE(off.extraTapsMs.empty());

  // A missing tap: the others keep their onsets.
  const Judgement missing = JudgeTaps({5, 505, 1010});
  EXPECT_FALSE(missing.Right());
  EXPECT_EQ(Offsets(missing), (std::vector<std::optional<int32_t>>{5, 5, std::nullopt, 10}));
  EXPECT_EQ(missing.Count(TapTiming::Missing), 1);
  EXPECT_TRUE(missing.extraTapsMs.empty());

  // Extra taps: a double tap (the nearer one counts), one during the count-in, one long after.
  const Judgement extra = JudgeTaps({-900, 0, 490, 520, 750, 1000, 1600});
  EXPECT_FALSE(extra.Right());
  EXPECT_EQ(extra.Count(TapTiming::InTime), 4);
  EXPECT_EQ(Offsets(extra), (std::vector<std::optional<int32_t>>{0, -10, 0, 0}));
  EXPECT_EQ(extra.extraTapsMs, (std::vector<int32_t>{-900, 520, 1600}));

  // No taps at all; taps without onsets.
  EXPECT_EQ(JudgeTaps({}).Count(TapTiming::Missing), 4);
  EXPECT_EQ(rhythm::Judge({}, std::vector<int32_t>{3}, 60, 500).extraTapsMs, std::vector<int32_t>{3});
}

}  // namespace
