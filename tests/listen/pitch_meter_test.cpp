#include <gtest/gtest.h>

#include "listen/PitchMeter.h"

namespace {

std::vector<PitchFrame> Frames(double from, int count, float midi) {
  std::vector<PitchFrame> frames;
  for (int i = 1; i <= count; ++i) {
    PitchFrame frame;
    frame.seconds = from + i * 0.005;
    frame.midi = midi;
    frame.levelDb = midi > 0 ? -20 : -70;
    frames.push_back(frame);
  }
  return frames;
}

}  // namespace

TEST(PitchMeter, NeedleNoteAndTrace) {
  PitchMeter meter(0.5);
  meter.Add(Frames(0, 100, 69.23f));
  meter.Add(Frames(0.5, 2, 81.0f));  // an octave slip of two frames does not move the needle
  ASSERT_TRUE(meter.Note());
  EXPECT_EQ(*meter.Note(), 69);
  EXPECT_NEAR(meter.Cents(), 23, 0.5);
  EXPECT_EQ(meter.LevelDb(), -20);

  meter.Add(Frames(0.51, 50, 0));  // 250 ms of silence: the note lingers
  EXPECT_TRUE(meter.Note());
  meter.Add(Frames(0.76, 20, 0));
  EXPECT_FALSE(meter.Note());
  EXPECT_EQ(meter.Cents(), 0);
  EXPECT_EQ(meter.LevelDb(), -70);

  // The trace keeps the last half second.
  ASSERT_FALSE(meter.Trace().empty());
  EXPECT_NEAR(meter.Trace().back().seconds, 0.86, 1e-9);
  EXPECT_NEAR(meter.Trace().front().seconds, 0.36, 0.006);
  EXPECT_EQ(meter.Trace().front().midi, 69.23f);
}
