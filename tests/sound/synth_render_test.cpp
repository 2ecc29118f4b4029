// The built-in synthesiser rendered offline with the small sound font: real sound, measured.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "SoundTestAudio.h"
#include "sound/Mixer.h"
#include "sound/Synth.h"
#include "sound/WaveSource.h"
#include "tasks/base/CAbstractT.h"

namespace {

constexpr const char* kSmallFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr double kRate = Mixer::kDefaultRate;

// The synthesiser behind a mixer, installed as the MIDI output.
class SynthRender : public ::testing::Test {
 protected:
  void SetUp() override {
    synth_ = Synth::Create(kSmallFont, Mixer::kDefaultRate);
    ASSERT_NE(synth_, nullptr);
    mixer_.SetSynth(synth_.get());
    SetMidiOut(&out_);
    ResetMidiState();
  }
  void TearDown() override { SetMidiOut(nullptr); }

  // The left channel of the next seconds of sound.
  std::vector<float> Render(double seconds) {
    const auto frames = static_cast<size_t>(seconds * kRate);
    std::vector<float> left(frames), right(frames);
    mixer_.RenderOffline(left.data(), right.data(), static_cast<int>(frames));
    return left;
  }

  WaveSource wave_;
  Mixer mixer_{wave_};
  std::unique_ptr<Synth> synth_;
  MixerMidiOut out_{mixer_};
};

TEST_F(SynthRender, PlayNoteKey21SoundsA220) {
  CAbstractT task;
  task.PlayNote(21, 0);  // note 57
  const std::vector<float> sound = Render(1.0);
  const std::vector<float> steady(sound.begin() + 4410, sound.end());
  EXPECT_GT(sound_test::Rms(sound, 4410, 22050), 0.01);
  EXPECT_NEAR(sound_test::PitchHz(steady, kRate, 100, 400), 220.0, 1.5);
}

TEST_F(SynthRender, NextPlayNoteOnTheChannelCutsThePreviousNote) {
  CAbstractT task;
  task.PlayNote(21, 0);
  Render(0.3);
  task.PlayNote(33, 0);  // note 69, 440 Hz; the 220 Hz note is released
  Render(1.0);
  const std::vector<float> later = Render(0.5);
  EXPECT_NEAR(sound_test::PitchHz(later, kRate, 100, 600), 440.0, 3.0);
}

TEST_F(SynthRender, NoteOnWithVelocityZeroEndsTheNote) {
  SendShortMsg(midi::Pack(midi::kNoteOn, 57, 100));
  Render(0.5);
  SendShortMsg(midi::Pack(midi::kNoteOn, 57, 0));
  Render(2.0);
  EXPECT_LT(sound_test::Rms(Render(0.2), 0, 8820), 1e-4);
}

TEST_F(SynthRender, ResetSilencesAllChannelsAndKeepsPrograms) {
  SendShortMsg(midi::Pack(midi::kProgramChange + 3, 73));  // flute on channel 3
  SendShortMsg(midi::Pack(midi::kNoteOn + 3, 69, 100));
  SendShortMsg(midi::Pack(midi::kNoteOn + 0, 57, 100));
  Render(0.3);
  ResetMidiOut();
  Render(2.0);
  EXPECT_LT(sound_test::Rms(Render(0.2), 0, 8820), 1e-4);

  int sfont = 0, bank = 0, program = 0;
  fluid_synth_get_program(synth_->Handle(), 3, &sfont, &bank, &program);
  EXPECT_EQ(program, 73);
  SendShortMsg(midi::Pack(midi::kNoteOn + 3, 69, 100));
  EXPECT_GT(sound_test::Rms(Render(0.3), 2205, 13230), 0.005);
}

TEST_F(SynthRender, PercussionClickSoundsThoughItsNoteOffFollowsAtOnce) {
  CAbstractT task;
  task.PlayNote(21, 0);
  EXPECT_TRUE(synth_->HasProgram(0));
  EXPECT_FALSE(synth_->HasProgram(midi::kPercussionChannel)) << "no drum kit is loaded before a click needs it";
  Render(0.1);
  ResetMidiOut();
  task.PlayNote(39, 0);
  const std::vector<float> click = Render(0.2);
  EXPECT_GT(sound_test::Peak(click), 0.05);
  EXPECT_GT(sound_test::Rms(click, 441, 2205), 0.01);  // 10-50 ms after the start
}

TEST_F(SynthRender, FullChordAtFullVolumeDoesNotClip) {
  SendVolumeToAllChannels(127);
  for (int ch = 0; ch < 8; ++ch) {
    SendShortMsg(midi::Pack(midi::kNoteOn + static_cast<uint32_t>(ch), static_cast<uint32_t>(48 + 4 * ch), 127));
  }
  const std::vector<float> chord = Render(2.0);
  EXPECT_LT(sound_test::Peak(chord), 0.99f);
  EXPECT_GT(sound_test::Peak(chord), 0.2f);
}

TEST_F(SynthRender, WaveSourceIsMixedAndLoops) {
  std::vector<int16_t> period(100);
  for (size_t i = 0; i < period.size(); ++i) period[i] = i < 50 ? 16384 : -16384;
  wave_.Play(period, true);
  const std::vector<float> sound = Render(0.1);
  EXPECT_FLOAT_EQ(sound[0], 0.5f);
  EXPECT_FLOAT_EQ(sound[4049], 0.5f);
  EXPECT_FLOAT_EQ(sound[4050], -0.5f);
  wave_.Stop();
  EXPECT_LT(sound_test::Peak(Render(0.05)), 1e-6f);
}

}  // namespace
