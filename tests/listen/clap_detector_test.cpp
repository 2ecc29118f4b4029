// Claps found in generated tracks (noise bursts in a reverberant room over background noise),
// directly and through a private sound server into the real capture.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "listen/ClapDetector.h"
#include "listen/ClapListener.h"
#include "listen/GeneratedClaps.h"
#include "listen/PrivatePulseServer.h"

namespace {

constexpr uint32_t kRate = 48000;

TEST(ClapDetector, FindsEveryClapWithinTwoMillisecondsAtTwentyDecibelsFromSlowToFast) {
  for (const int32_t bpm : {40, 120, 208}) {
    const std::vector<double> at = generated_claps::Beats(bpm, 8, bpm > 100);
    const generated_claps::Track track = generated_claps::Make(at, at.back() + 1.0, kRate, 20.0, 7);
    ClapDetector detector(kRate);
    std::vector<int64_t> found;
    // Blocks of the capture's size.
    for (size_t i = 0; i < track.samples.size(); i += 480) {
      const size_t n = std::min<size_t>(480, track.samples.size() - i);
      for (const int64_t clap : detector.Feed(std::span(track.samples).subspan(i, n))) found.push_back(clap);
    }
    ASSERT_EQ(found.size(), track.attacks.size()) << bpm << " bpm";
    for (size_t i = 0; i < found.size(); ++i) {
      EXPECT_LE(std::llabs(found[i] - track.attacks[i]), 2 * kRate / 1000) << bpm << " bpm, clap " << i;
    }
  }
}

TEST(SampleClock, TheLeastLateBlockPinsTheSamplesToTheClock) {
  SampleClock clock(48000);
  clock.BlockArrived(480, 1015);   // 10 ms of samples, 5 ms late
  clock.BlockArrived(960, 1012);   // the least late: sample 0 at 992
  clock.BlockArrived(1440, 1030);  // late again
  EXPECT_EQ(clock.ClockOf(0), 992u);
  EXPECT_EQ(clock.ClockOf(4800), 1092u);
}

TEST(ClapListener, HearsClapsThroughTheSoundServerAtTheirSpacingThread) {
  PrivatePulseServer server;
  if (!server.Running()) GTEST_SKIP() << "pulseaudio could not start here";
  std::mutex mutex;
  std::vector<uint32_t> heard;
  ClapListener listener([&](uint32_t atMs) {
    std::lock_guard lock(mutex);
    heard.push_back(atMs);
  });
  listener.Open();
  for (int i = 0; i < 100 && listener.Status().state == CaptureState::kOpening; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ASSERT_EQ(listener.Status().state, CaptureState::kOpen) << listener.Status().reason;
  const std::vector<double> at = generated_claps::Beats(150, 8, false);
  const generated_claps::Track track = generated_claps::Make(at, at.back() + 0.8, kRate, 20.0, 11);
  ASSERT_EQ(server.PlayIntoMicrophone(track.samples, kRate), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  listener.Close();
  std::lock_guard lock(mutex);
  ASSERT_EQ(heard.size(), at.size()) << testing::PrintToString(heard);
  for (size_t i = 1; i < heard.size(); ++i) {
    EXPECT_NEAR(static_cast<double>(heard[i] - heard[0]), (at[i] - at[0]) * 1000.0, 10.0) << i;
  }
}

}  // namespace
