// Timed delivery in the mixer: a message sounds one period after it was sent, at its own
// sample position inside the block; and the pieces around the mixer.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>

#include "SoundTestAudio.h"
#include "sound/AudioEngine.h"
#include "sound/Mixer.h"
#include "sound/SoundFont.h"
#include "sound/WaveOut.h"
#include "sound/WaveSource.h"

namespace {

constexpr int kLatency = 128;
constexpr int kFluidBlock = 64;  // the synthesiser renders in blocks of 64 frames

int64_t Frames(int n) { return static_cast<int64_t>(n * Mixer::kNsPerFrame); }

// The synthesiser's effects leave a faint floor far below this even in silence.
constexpr float kAudible = 1e-4f;

size_t FirstSound(const std::vector<float>& s) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (std::fabs(s[i]) > kAudible) return i;
  }
  return s.size();
}

class MixerTiming : public ::testing::Test {
 protected:
  void SetUp() override {
    synth_ = Synth::Create("/usr/share/sounds/sf2/TimGM6mb.sf2");
    ASSERT_NE(synth_, nullptr);
    mixer_.SetSynth(synth_.get());
    mixer_.SetTimed(true, kLatency);
  }
  std::vector<float> Render(int frames, int64_t startNs) {
    std::vector<float> left(static_cast<size_t>(frames)), right(left.size());
    mixer_.Render(left.data(), right.data(), frames, startNs);
    return left;
  }
  WaveSource wave_;
  Mixer mixer_{wave_};
  std::unique_ptr<Synth> synth_;
};

TEST_F(MixerTiming, MessageSoundsOnePeriodAfterItWasSentAtItsOwnSample) {
  const int64_t before = Mixer::NowNs();
  mixer_.Send(midi::Pack(midi::kNoteOn, 57, 127));
  const int64_t after = Mixer::NowNs();
  // Frame 1000 of the block is the moment one period after the send.
  const int64_t blockStart = before + Frames(kLatency) - Frames(1000);
  EXPECT_LT(sound_test::Peak(Render(512, blockStart - Frames(512))), kAudible);  // not due yet
  const std::vector<float> block = Render(2048, blockStart);
  const size_t onset = FirstSound(block);
  EXPECT_GE(onset, 1000u);
  EXPECT_LE(onset, 1000u + kFluidBlock + static_cast<size_t>((after - before) / Mixer::kNsPerFrame) + 1);
}

TEST_F(MixerTiming, ResetKeepsItsPlaceAfterTheNote) {
  const int64_t sent = Mixer::NowNs();
  mixer_.Send(midi::Pack(midi::kNoteOn, 57, 127));
  mixer_.Reset();
  mixer_.Send(midi::Pack(midi::kNoteOn, 69, 127));  // after the reset: this one rings on
  const std::vector<float> sound = Render(88200, sent + Frames(kLatency) + Frames(2 * kFluidBlock));
  const std::vector<float> late(sound.begin() + 66150, sound.end());
  EXPECT_NEAR(sound_test::PitchHz(late, Synth::kSampleRate, 150, 600), 440.0, 3.0);
}

TEST_F(MixerTiming, ALateBlockKeepsTheSpacingOfWhatIsDueAndTheTimelineSlips) {
  const int64_t t = Mixer::NowNs();
  constexpr int64_t kMs = 1'000'000;
  mixer_.SendAt(midi::Pack(midi::kNoteOn, 69, 127), t);  // 440 Hz for 100 ms
  mixer_.SendAt(midi::Pack(midi::kNoteOff, 69, 0), t + 100 * kMs);
  mixer_.SendAt(midi::Pack(midi::kNoteOn, 57, 127), t + 200 * kMs);  // 220 Hz for 100 ms
  mixer_.SendAt(midi::Pack(midi::kNoteOff, 57, 0), t + 300 * kMs);
  // The block comes 250 ms late: three messages are overdue. They keep their spacing from its
  // first sample on, and the fourth slips with them.
  const std::vector<float> late = Render(44100, t + Frames(kLatency) + 250 * kMs);
  const std::vector<float> first(late.begin() + 300, late.begin() + 4000);
  const std::vector<float> second(late.begin() + 9200, late.begin() + 13000);
  EXPECT_NEAR(sound_test::PitchHz(first, Synth::kSampleRate, 150, 600), 440.0, 3.0) << "the second tone waits";
  EXPECT_NEAR(sound_test::PitchHz(second, Synth::kSampleRate, 150, 600), 220.0, 3.0);
  // The first tone's release fades until the second begins at 200 ms; that one is released at 300 ms.
  EXPECT_GT(sound_test::Rms(late, 8820, 9700), 2 * sound_test::Rms(late, 7500, 8700));
  EXPECT_GT(sound_test::Rms(late, 12400, 13200), 2 * sound_test::Rms(late, 17000, 17800));

  // With the queue empty the slip is over: a message sounds at its own time again.
  Render(3 * 44100, Mixer::NowNs());  // the tails die away
  const int64_t sent = Mixer::NowNs();
  mixer_.Send(midi::Pack(midi::kNoteOn, 57, 127));
  const std::vector<float> block = Render(4096, sent + Frames(kLatency) - Frames(1000));
  EXPECT_GE(FirstSound(block), 1000u);
  EXPECT_LE(FirstSound(block), 1200u);
}

TEST_F(MixerTiming, SwitchingTimingOffPlaysWhatIsQueued) {
  mixer_.Send(midi::Pack(midi::kNoteOn, 57, 127));
  mixer_.SetTimed(false, 0);
  std::vector<float> left(4410), right(4410);
  mixer_.RenderOffline(left.data(), right.data(), 4410);
  EXPECT_GT(sound_test::Peak(left), 0.05f);
}

TEST(WaveOutTest, TakesOnlySixteenBitMonoAt44100) {
  WaveOut wave;
  WaveFormat stereo;
  stereo.channels = 2;
  EXPECT_FALSE(wave.Open(stereo));
  WaveFormat slow;
  slow.samplesPerSec = 22050;
  EXPECT_FALSE(wave.Open(slow));
  ASSERT_TRUE(wave.Open(WaveFormat{}));
  std::vector<int16_t> tone(21950, 1000);
  wave.Write(tone.data(), 43899, true);
  EXPECT_TRUE(GetAudioEngine().Wave().Playing());
  wave.Reset();
  EXPECT_FALSE(GetAudioEngine().Wave().Playing());
  wave.Write(tone.data(), 43899, true);
  wave.Close();
  EXPECT_FALSE(GetAudioEngine().Wave().Playing());
  EXPECT_FALSE(wave.IsOpen());
}

TEST(SoundFontTest, FirstFoundInSearchOrder) {
  QTemporaryDir dir;
  const std::string root = dir.path().toStdString();
  std::filesystem::create_directories(root + "/fonts");
  for (const char* name : {"/fonts/b.sf2", "/fonts/a.sf2", "/fonts/0.txt", "/single.sf2"}) {
    std::ofstream(root + name) << "x";
  }
  EXPECT_EQ(FindSoundFontIn({root + "/missing.sf2", root + "/empty/", root + "/fonts/", root + "/single.sf2"}),
            root + "/fonts/a.sf2");
  EXPECT_EQ(FindSoundFontIn({root + "/missing.sf2", root + "/single.sf2"}), root + "/single.sf2");
  EXPECT_EQ(FindSoundFontIn({root + "/missing.sf2"}), std::nullopt);
  const std::vector<std::string> order = SoundFontSearchOrder();
  ASSERT_GE(order.size(), 4u);
  EXPECT_EQ(order[0], "/usr/share/sounds/sf2/default-GM.sf2");
  EXPECT_EQ(order[2], "/usr/share/sounds/sf2/TimGM6mb.sf2");
  EXPECT_EQ(order[3], "/usr/share/soundfonts/");
}

}  // namespace
