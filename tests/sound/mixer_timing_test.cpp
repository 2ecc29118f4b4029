// Delivery in the mixer: a message on the timeline sounds one period after its due time, at
// its own sample position inside the block; a message sent now sounds at the next block's
// first sample, whatever waits on the timeline; and the pieces around the mixer.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
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
constexpr int kRate = Mixer::kDefaultRate;
constexpr int64_t kMs = 1'000'000;

int64_t Frames(int n) { return static_cast<int64_t>(n * 1e9 / kRate); }

// The synthesiser's effects leave a faint floor far below this even in silence.
constexpr float kAudible = 1e-4f;

size_t FirstSound(const std::vector<float>& s) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (std::fabs(s[i]) > kAudible) return i;
  }
  return s.size();
}

// The onsets (in frames) of the tones: where the sound gets audible before a 32-frame window
// that is strong and four times as strong as the one two windows before it.
std::vector<size_t> Onsets(const std::vector<float>& s) {
  constexpr size_t kWindow = 32;
  constexpr double kStrong = 0.01;
  constexpr size_t kApart = 8 * kWindow;
  std::vector<size_t> onsets;
  std::vector<double> rms;
  for (size_t from = 0; from + kWindow <= s.size(); from += kWindow) {
    rms.push_back(sound_test::Rms(s, from, from + kWindow));
    const size_t w = rms.size() - 1;
    const double before = w >= 2 ? rms[w - 2] : 0.0;
    if (rms[w] <= kStrong || rms[w] <= 4 * before) continue;
    size_t i = w >= 2 ? from - 2 * kWindow : 0;
    while (std::fabs(s[i]) <= kAudible) ++i;
    if (onsets.empty() || i >= onsets.back() + kApart) onsets.push_back(i);
  }
  return onsets;
}

class MixerTiming : public ::testing::Test {
 protected:
  void SetUp() override {
    synth_ = Synth::Create("/usr/share/sounds/sf2/TimGM6mb.sf2", kRate);
    ASSERT_NE(synth_, nullptr);
    mixer_.SetSynth(synth_.get());
    mixer_.SetTimed(true, kLatency, kRate);
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

TEST_F(MixerTiming, TimelineMessageSoundsOnePeriodAfterItsTimeAtItsOwnSample) {
  const int64_t due = Mixer::NowNs() + 50 * kMs;
  mixer_.SendAt(midi::Pack(midi::kNoteOn, 57, 127), due);
  // Frame 1000 of the block is the moment one period after the due time.
  const int64_t blockStart = due + Frames(kLatency) - Frames(1000);
  EXPECT_LT(sound_test::Peak(Render(512, blockStart - Frames(512))), kAudible);  // not due yet
  const size_t onset = FirstSound(Render(2048, blockStart));
  EXPECT_GE(onset, 1000u);
  EXPECT_LE(onset, 1000u + kFluidBlock);
}

// A key played 100 ms into an eight-note playback: the whole playback waits in the queue (on
// a silent channel, so that the key is the first sound), the key sounds in the next block; a
// tone of the playback on an audible channel still sounds at its own time.
TEST_F(MixerTiming, KeyPlayedDuringAPlaybackSoundsInTheNextBlockAndThePlaybackKeepsItsTime) {
  constexpr int kPeriod = 256;
  mixer_.SetTimed(true, kPeriod, kRate);
  mixer_.Send(midi::Pack(midi::kControlChange + 1, midi::kChannelVolume, 0));
  const int64_t start = Mixer::NowNs();
  for (uint32_t i = 0; i < 8; ++i) {
    const int64_t on = start + i * 300 * kMs;
    mixer_.SendAt(midi::Pack(midi::kNoteOn + 1, 60 + i, 100), on);
    if (i == 6) mixer_.SendAt(midi::Pack(midi::kNoteOn + 2, 81, 127), on);
    mixer_.SendAt(midi::Pack(midi::kNoteOff + 1, 60 + i, 0), on + 250 * kMs);
  }
  std::vector<float> heard;
  int64_t block = start;
  const auto renderUntil = [&](int64_t endNs) {
    for (; block < endNs; block += Frames(kPeriod)) {
      const std::vector<float> b = Render(kPeriod, block);
      heard.insert(heard.end(), b.begin(), b.end());
    }
  };
  renderUntil(start + 100 * kMs);
  const size_t sentAt = heard.size();
  mixer_.Send(midi::Pack(midi::kNoteOn, 57, 127));
  renderUntil(start + 200 * kMs);
  mixer_.Send(midi::Pack(midi::kNoteOff, 57, 0));
  renderUntil(start + 2000 * kMs);
  EXPECT_LT(sound_test::Peak(std::vector<float>(heard.begin(), heard.begin() + static_cast<long>(sentAt))), kAudible);
  EXPECT_LE(FirstSound(heard), sentAt + kPeriod) << "the key waited behind the playback";
  const std::vector<size_t> onsets = Onsets(heard);
  const auto tone = std::find_if(onsets.begin(), onsets.end(), [](size_t o) { return o > 1700 * kRate / 1000; });
  ASSERT_NE(tone, onsets.end());
  const double toneMs = static_cast<double>(*tone) * 1000.0 / kRate;
  EXPECT_NEAR(toneMs, 1800 + kPeriod * 1000.0 / kRate, 2.0) << "the playback's tone at 1800 ms";
}

TEST_F(MixerTiming, ResetKeepsItsPlaceAfterTheNote) {
  const int64_t sent = Mixer::NowNs();
  mixer_.Send(midi::Pack(midi::kNoteOn, 57, 127));
  mixer_.Reset();
  mixer_.Send(midi::Pack(midi::kNoteOn, 69, 127));  // after the reset: this one rings on
  const std::vector<float> sound = Render(88200, sent + Frames(kLatency) + Frames(2 * kFluidBlock));
  const std::vector<float> late(sound.begin() + 66150, sound.end());
  EXPECT_NEAR(sound_test::PitchHz(late, kRate, 150, 600), 440.0, 3.0);
}

TEST_F(MixerTiming, ALateBlockKeepsTheSpacingOfWhatIsDueAndTheTimelineSlips) {
  const int64_t t = Mixer::NowNs();
  mixer_.SendAt(midi::Pack(midi::kNoteOn, 69, 127), t);  // 440 Hz for 100 ms
  mixer_.SendAt(midi::Pack(midi::kNoteOff, 69, 0), t + 100 * kMs);
  mixer_.SendAt(midi::Pack(midi::kNoteOn, 57, 127), t + 200 * kMs);  // 220 Hz for 100 ms
  mixer_.SendAt(midi::Pack(midi::kNoteOff, 57, 0), t + 300 * kMs);
  // The block comes 250 ms late: three messages are overdue. They keep their spacing from its
  // first sample on, and the fourth slips with them.
  const std::vector<float> late = Render(44100, t + Frames(kLatency) + 250 * kMs);
  const std::vector<float> first(late.begin() + 300, late.begin() + 4000);
  const std::vector<float> second(late.begin() + 9200, late.begin() + 13000);
  EXPECT_NEAR(sound_test::PitchHz(first, kRate, 150, 600), 440.0, 3.0) << "the second tone waits";
  EXPECT_NEAR(sound_test::PitchHz(second, kRate, 150, 600), 220.0, 3.0);
  // The first tone's release fades until the second begins at 200 ms; that one is released at 300 ms.
  EXPECT_GT(sound_test::Rms(late, 8820, 9700), 2 * sound_test::Rms(late, 7500, 8700));
  EXPECT_GT(sound_test::Rms(late, 12400, 13200), 2 * sound_test::Rms(late, 17000, 17800));

  // With the queue empty the slip is over: a message sounds at its own time again.
  Render(3 * kRate, Mixer::NowNs());  // the tails die away
  const int64_t due = Mixer::NowNs();
  mixer_.SendAt(midi::Pack(midi::kNoteOn, 57, 127), due);
  const std::vector<float> block = Render(4096, due + Frames(kLatency) - Frames(1000));
  EXPECT_GE(FirstSound(block), 1000u);
  EXPECT_LE(FirstSound(block), 1000u + kFluidBlock);
}

TEST_F(MixerTiming, TwoLateBlocksInARowKeepTheSpacingOfEveryTone) {
  // Six short drum hits (closed hi-hat) 100 ms apart, each dying away before the next.
  const int64_t t = Mixer::NowNs();
  for (int i = 0; i < 6; ++i) {
    mixer_.SendAt(midi::Pack(midi::kNoteOn + midi::kPercussionChannel, 42, 127), t + i * 100 * kMs);
    mixer_.SendAt(midi::Pack(midi::kNoteOff + midi::kPercussionChannel, 42, 0), t + i * 100 * kMs + 10 * kMs);
  }
  // The first block comes 250 ms late and holds 150 ms; the next one comes another 100 ms late.
  std::vector<float> heard = Render(6615, t + Frames(kLatency) + 250 * kMs);
  const std::vector<float> second = Render(22050, t + Frames(kLatency) + 500 * kMs);
  heard.insert(heard.end(), second.begin(), second.end());
  const std::vector<size_t> onsets = Onsets(heard);
  ASSERT_EQ(onsets.size(), 6u);
  // The third hit was due before the second block began: it comes at its first sample.
  EXPECT_NEAR(static_cast<double>(onsets[2]), 6615.0, kFluidBlock);
  for (size_t i : {1, 3, 4, 5}) {
    EXPECT_NEAR(static_cast<double>(onsets[i] - onsets[i - 1]), 4410.0, kFluidBlock) << "hit " << i;
  }
}

TEST_F(MixerTiming, SwitchingTimingOffPlaysWhatIsQueued) {
  mixer_.Send(midi::Pack(midi::kNoteOn, 57, 127));
  mixer_.SetTimed(false, 0, 0);
  std::vector<float> left(4410), right(4410);
  mixer_.RenderOffline(left.data(), right.data(), 4410);
  EXPECT_GT(sound_test::Peak(left), 0.05f);
}

TEST(WaveOutTest, TakesOnlySixteenBitMonoAtTheOutputsRate) {
  WaveOut wave;
  WaveFormat mono;
  mono.samplesPerSec = WaveOut::OutputRate();
  WaveFormat stereo = mono;
  stereo.channels = 2;
  EXPECT_FALSE(wave.Open(stereo));
  WaveFormat slow = mono;
  slow.samplesPerSec = mono.samplesPerSec / 2;
  EXPECT_FALSE(wave.Open(slow));
  ASSERT_TRUE(wave.Open(mono));
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
