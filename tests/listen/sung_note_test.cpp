// Sung notes in generated singing, through the analysis the program runs on the microphone.
#include <gtest/gtest.h>

#include <random>

#include "listen/SungVoice.h"
#include "listen/VoiceAnalysis.h"
#include "listen/VoiceJudge.h"

namespace {

constexpr uint32_t kRate = 48000;

std::vector<SungNote> NotesIn(const std::vector<float>& samples, int tolerance = kDefaultToleranceCents) {
  VoiceAnalysis analysis(kRate, tolerance);
  std::vector<PitchFrame> frames;
  std::vector<SungNote> notes;
  for (size_t at = 0; at < samples.size(); at += 480)
    analysis.Feed(std::span<const float>(samples).subspan(at, std::min<size_t>(480, samples.size() - at)), frames, notes);
  return notes;
}

// Silence, then the tones one after the other, with white noise 20 dB below the first (or in
// digital silence, as behind a noise gate).
std::vector<float> Sing(const std::vector<sung_voice::Tone>& tones, double gapSeconds = 0.2, bool noise = true) {
  std::mt19937 random(11);
  std::vector<float> samples(size_t(0.2 * kRate), 0.0f);
  double rms = 0;
  for (const sung_voice::Tone& tone : tones) {
    const size_t start = samples.size();
    sung_voice::AppendTone(samples, kRate, tone, random);
    if (rms == 0) rms = sung_voice::Rms(std::span<const float>(samples).subspan(start));
    samples.resize(samples.size() + size_t(gapSeconds * kRate), 0.0f);
  }
  if (noise) sung_voice::AddNoise(samples, rms / 10, random);
  return samples;
}

sung_voice::Tone Tone(double midi, double seconds, double vibrato = 0, double slide = 0) {
  sung_voice::Tone tone;
  tone.midi = midi;
  tone.seconds = seconds;
  tone.vibratoCents = vibrato;
  tone.slideCents = slide;
  tone.slideSeconds = slide != 0 ? 0.12 : 0;
  return tone;
}

}  // namespace

TEST(SungNote, HeldVibratoAndSlidingNotesAreSungOnce) {
  const std::vector<SungNote> held = NotesIn(Sing({Tone(64.15, 0.7)}));
  ASSERT_EQ(held.size(), 1u);
  EXPECT_EQ(held[0].midi, 64);
  EXPECT_NEAR(held[0].centsOff, 15, 8);
  EXPECT_NEAR(held[0].seconds - 0.2, kHoldSeconds, 0.08);  // the verdict after 250 ms in tune

  const std::vector<SungNote> vibrato = NotesIn(Sing({Tone(50.2, 0.9, 30)}));  // swings to 50 cents sharp
  ASSERT_EQ(vibrato.size(), 1u);
  EXPECT_EQ(vibrato[0].midi, 50);
  EXPECT_NEAR(vibrato[0].centsOff, 20, 10);

  const std::vector<SungNote> slide = NotesIn(Sing({Tone(76, 0.6, 15, -250)}));
  ASSERT_EQ(slide.size(), 1u);
  EXPECT_EQ(slide[0].midi, 76);
  EXPECT_GT(slide[0].startSeconds, 0.2 + 0.06);  // the slide is not part of the hold
}

TEST(SungNote, ShortOffAndUnpitchedSoundsAreNoNotes) {
  EXPECT_TRUE(NotesIn(Sing({Tone(60, 0.2)})).empty());  // shorter than the hold with its envelope
  EXPECT_TRUE(NotesIn(Sing({Tone(60.44, 0.7)})).empty());  // 44 cents off: beyond 35
  EXPECT_EQ(NotesIn(Sing({Tone(60.44, 0.7)}), 50).size(), 1u);
  EXPECT_TRUE(NotesIn(Sing({Tone(60.2, 0.7)}), 10).empty());

  std::mt19937 random(5);
  std::vector<float> quiet(kRate, 0.0f);
  EXPECT_TRUE(NotesIn(quiet).empty());
  for (sung_voice::Noise colour : {sung_voice::Noise::kWhite, sung_voice::Noise::kPink, sung_voice::Noise::kBrown}) {
    std::vector<float> noise;
    sung_voice::AppendNoise(noise, kRate, 0.1, colour, random);
    EXPECT_TRUE(NotesIn(noise).empty());
  }
}

TEST(SungNote, TheSameNoteAgainNeedsABreak) {
  const std::vector<SungNote> repeated = NotesIn(Sing({Tone(67, 0.5), Tone(67, 0.5), Tone(69, 0.5)}, 0.1));
  ASSERT_EQ(repeated.size(), 3u);
  EXPECT_EQ(repeated[0].midi, 67);
  EXPECT_EQ(repeated[1].midi, 67);
  EXPECT_EQ(repeated[2].midi, 69);
  EXPECT_EQ(NotesIn(Sing({Tone(67, 2.0, 30)})).size(), 1u);
  // Vibrato may sound like an onset within a tone: every tone after its silence counts all
  // the same, with or without noise.
  for (const bool noise : {true, false}) {
    for (const int vowel : {0, 1, 2, 3, 4}) {
      sung_voice::Tone low = Tone(55, 0.6, 15);
      low.vowel = vowel;
      EXPECT_EQ(NotesIn(Sing({low, low, low}, 0.2, noise)).size(), 3u) << vowel << noise;
    }
  }
}

TEST(SungNote, DetectorWaitsTheWholeHold) {
  SungNoteDetector detector;
  PitchFrame frame;
  frame.midi = 60.1f;
  frame.confidence = 1;
  int reportedAt = 0;
  for (int hop = 1; hop <= 100 && reportedAt == 0; ++hop) {
    frame.seconds = hop * 0.005;
    if (detector.Add(frame)) reportedAt = hop;
  }
  EXPECT_EQ(reportedAt, 50);  // 250 ms of 5 ms hops
}

TEST(SungNote, JudgedByPitchClassOrExactOctave) {
  const SungNote octaveDown{48, 12, 0, 0};
  EXPECT_TRUE(JudgeSungNote(octaveDown, 60, false).right);
  EXPECT_EQ(JudgeSungNote(octaveDown, 60, false).centsOff, 12);
  EXPECT_FALSE(JudgeSungNote(octaveDown, 60, true).right);
  EXPECT_EQ(JudgeSungNote(octaveDown, 60, true).centsOff, -1188);
  const SungNote below{59, -20, 0, 0};  // B a major seventh down from C is a semitone under C
  EXPECT_FALSE(JudgeSungNote(below, 72, false).right);
  EXPECT_EQ(JudgeSungNote(below, 72, false).centsOff, -120);
}

TEST(SungNote, MelodyShiftedIntoTheSingersRange) {
  const SingingRange child{60, 74};
  EXPECT_EQ(ShiftIntoRange(62, 69, child, ShiftStep::kSemitone), 0);
  EXPECT_EQ(ShiftIntoRange(50, 57, child, ShiftStep::kSemitone), 10);
  EXPECT_EQ(ShiftIntoRange(50, 57, child, ShiftStep::kOctave), 12);
  EXPECT_EQ(ShiftIntoRange(70, 79, child, ShiftStep::kSemitone), -5);
  EXPECT_EQ(ShiftIntoRange(70, 79, child, ShiftStep::kOctave), -12);  // 58..67: centred, an octave is all it may move
  EXPECT_EQ(ShiftIntoRange(40, 60, child, ShiftStep::kSemitone), 17);  // wider than the range: centred
  EXPECT_EQ(ShiftIntoRange(50, 57, SingingRange{}, ShiftStep::kSemitone), 0);
}
