// The metronome and the tuning fork in the whole program: clicks and lamps per beat with a
// hand-stepped timer, the tuning fork's tone buffer, its loudness steps and its key marks.
#include <QComboBox>
#include <QCoreApplication>
#include <cmath>

#include "sound/AudioEngine.h"
#include "sound/SteppedTimerService.h"
#include "tasks/melody/MelodyTestSupport.h"
#include "tools/CMetronome.h"
#include "tools/CTuneFork.h"

namespace {

using namespace melody_test;

constexpr uint32_t kAccent = 0x7F2599, kWeak = 0x4F2599, kClickOff = 0x002589;
constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kGrey = 0xFFE6E6E6;

class Tools : public MelodyApp {
 protected:
  void TearDown() override {
    if (auto* metronome = dynamic_cast<CMetronome*>(&View().Task()); metronome && metronome->running) {
      Command(cmd::kListenNew);
    }
    QCoreApplication::processEvents();
    MelodyApp::TearDown();
  }
  CMetronome& Metronome() { return dynamic_cast<CMetronome&>(View().Task()); }
  CTuneFork& Fork() { return dynamic_cast<CTuneFork&>(View().Task()); }
  void ChooseSignature(int index) {
    auto* list = qobject_cast<QComboBox*>(View().ChildControl(CMetronome::kSignatureList));
    ASSERT_NE(list, nullptr);
    list->setCurrentIndex(index);
    Command(CMetronome::kSignatureList);
  }
  // Steps one beat; returns the click heard (accented or weak) and the lamp colours 0-7.
  std::pair<bool, std::vector<QRgb>> Beat() {
    out->Clear();
    EXPECT_TRUE(timers.Step());
    QCoreApplication::processEvents();
    const std::vector<uint32_t> sent = out->Messages();
    EXPECT_EQ(sent.size(), 2u);
    const bool accent = !sent.empty() && sent[0] == kAccent;
    if (sent.size() == 2) {
      EXPECT_TRUE(sent[0] == kAccent || sent[0] == kWeak);
      EXPECT_EQ(sent[1], kClickOff);
    }
    return {accent, Lamps()};
  }
  std::vector<QRgb> Lamps() {
    std::vector<QRgb> colours;
    for (size_t i = 0; i < 8; ++i) {
      const Rect r = Metronome().beatLamps[i];
      colours.push_back(View().BackBuffer().pixel((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    }
    return colours;
  }
  static std::vector<QRgb> Lit(int lamp, QRgb colour) {
    std::vector<QRgb> colours(8, kGrey);
    colours[static_cast<size_t>(lamp)] = colour;
    return colours;
  }

  SteppedTimerService timers{&clock};
  ScopedTimerService scopedTimers{timers};
};

TEST_F(Tools, MetronomeFourFourAtOneTwentyClicksEveryHalfSecondAccentingEveryFourth) {
  tempoIndex = 26;
  Open(kMetronomeType);
  EXPECT_EQ(View().ListSelection(CMetronome::kSignatureList), 3);
  EXPECT_EQ(Metronome().beatLamps[7], (Rect{872, 180, 985, 250}));
  const uint32_t t0 = clock.NowMs();
  Command(cmd::kListenNew);
  EXPECT_EQ(out->Messages(), (std::vector<uint32_t>{kAccent, kClickOff}));
  EXPECT_EQ(Lamps(), Lit(0, kRed));
  EXPECT_EQ(timers.PeriodMs(Metronome().timerId), 500u);
  const std::vector<std::pair<bool, int>> expected = {{false, 1}, {false, 2}, {false, 3}, {true, 0},
                                                       {false, 1}, {false, 2}, {false, 3}, {true, 0}};
  for (const auto& [accent, lamp] : expected) {
    const auto [heardAccent, lamps] = Beat();
    EXPECT_EQ(heardAccent, accent);
    EXPECT_EQ(lamps, Lit(lamp, accent ? kRed : kGreen));
  }
  EXPECT_EQ(clock.NowMs() - t0, 4000u);

  Command(cmd::kListenNew);  // stop
  EXPECT_FALSE(Metronome().running);
  EXPECT_EQ(timers.RunningCount(), 0u);
  EXPECT_EQ(Lamps(), std::vector<QRgb>(8, kGrey));
  EXPECT_EQ(Metronome().beatInBar, 0);
}

TEST_F(Tools, MetronomeEighthSignaturesTickTwiceAsFastAndOneBeatBarsAccentEveryClick) {
  tempoIndex = 26;
  Open(kMetronomeType);
  ChooseSignature(13);  // "6/8"
  EXPECT_EQ(Metronome().signatureIndex, 13);
  Command(cmd::kListenNew);
  EXPECT_EQ(timers.PeriodMs(Metronome().timerId), 250u);
  for (int beat = 1; beat <= 12; ++beat) EXPECT_EQ(Beat().first, beat % 6 == 0) << beat;

  ChooseSignature(0);  // "1/4" while running: restarts at once
  EXPECT_EQ(timers.PeriodMs(Metronome().timerId), 500u);
  for (int beat = 0; beat < 3; ++beat) {
    const auto [accent, lamps] = Beat();
    EXPECT_TRUE(accent);
    EXPECT_EQ(lamps, Lit(0, kRed));
  }
}

TEST_F(Tools, MetronomeSignatureChangeWhileRunningMakesTheNextClickAccented) {
  Open(kMetronomeType);
  Command(cmd::kListenNew);
  Beat();  // second beat of "4/4"
  ChooseSignature(2);  // "3/4"
  EXPECT_TRUE(Beat().first);
  EXPECT_FALSE(Beat().first);
  EXPECT_FALSE(Beat().first);
  EXPECT_TRUE(Beat().first);
}

TEST_F(Tools, TuningForkBufferHoldsWholePeriodsOfTheKeysFrequency) {
  Open(27);
  CTuneFork& fork = Fork();
  EXPECT_FLOAT_EQ(fork.frequencies[0], 130.8128f);
  EXPECT_FLOAT_EQ(fork.frequencies[36], 1046.5023f);
  Click(21);
  EXPECT_EQ(fork.pressedKey, 21);
  EXPECT_EQ(fork.bufferBytes, 43899u);
  EXPECT_TRUE(GetAudioEngine().Wave().Playing());
  // The frequency measured in the buffer: rising zero crossings over its 21949 samples.
  const size_t samples = fork.bufferBytes / 2;
  int periods = 0;
  int16_t peak = 0;
  for (size_t i = 1; i < samples; ++i) {
    if (fork.samples[i - 1] < 0 && fork.samples[i] >= 0) ++periods;
    peak = std::max(peak, fork.samples[i]);
  }
  EXPECT_EQ(periods + 1, 219);
  EXPECT_NEAR(219 * 44100.0 / static_cast<double>(samples), 440.0, 0.05);
  EXPECT_EQ(peak, 1600);
  // The loop joins without a jump: the last sample lies within two steps of the first.
  EXPECT_LT(std::abs(fork.samples[samples - 1] - fork.samples[0]), 250);

  Click(0);
  EXPECT_EQ(fork.bufferBytes, 43825u);
  EXPECT_EQ(KeyColour(0), kGreenKey);
  EXPECT_EQ(KeyColour(21), kWhiteKey);
  Click(0);  // the sounding key again: silence, no mark
  EXPECT_EQ(fork.pressedKey, -1);
  EXPECT_FALSE(GetAudioEngine().Wave().Playing());
  EXPECT_EQ(KeyColour(0), kWhiteKey);
}

TEST_F(Tools, TuningForkLouderStopsBelowTheLimitAndMuteStopsTheTone) {
  Open(27);
  CTuneFork& fork = Fork();
  EXPECT_EQ(Bar().ControlText(cmd::kListenNew), T(90));
  EXPECT_TRUE(fork.listenAgainEnabled);
  std::vector<int32_t> amplitudes;
  for (int i = 0; i < 18; ++i) {
    Command(cmd::kListenNew);
    amplitudes.push_back(fork.amplitude);
  }
  EXPECT_EQ(std::vector<int32_t>(amplitudes.begin(), amplitudes.begin() + 4), (std::vector<int32_t>{1920, 2304, 2764, 3316}));
  EXPECT_EQ(amplitudes[14], 24624);
  EXPECT_EQ(amplitudes[15], 29548);
  EXPECT_EQ(amplitudes[17], 29548);
  Command(cmd::kListenAgain);
  EXPECT_EQ(fork.amplitude, 23638);

  Click(9);
  EXPECT_TRUE(GetAudioEngine().Wave().Playing());
  Command(cmd::kMute);
  EXPECT_EQ(fork.pressedKey, -1);
  EXPECT_FALSE(GetAudioEngine().Wave().Playing());
  EXPECT_EQ(KeyColour(9), kWhiteKey);
}

// Writes /tmp/metronome.png and /tmp/tunefork.png for looking at them.
TEST_F(Tools, DISABLED_RenderPictures) {
  Open(kMetronomeType);
  Command(cmd::kListenNew);
  Beat();
  EXPECT_TRUE(View().BackBuffer().save("/tmp/metronome.png"));
  Command(cmd::kListenNew);
  Open(27);
  Click(21);
  EXPECT_TRUE(View().BackBuffer().save("/tmp/tunefork.png"));
}

}  // namespace
