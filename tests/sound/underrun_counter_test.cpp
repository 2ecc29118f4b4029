#include <gtest/gtest.h>

#include "sound/UnderrunCounter.h"

namespace {

constexpr int kRate = 48000;
constexpr int kPeriod = 256;  // 5.33 ms
constexpr int64_t kPeriodNs = 1'000'000'000LL * kPeriod / kRate;
constexpr int64_t kStartNs = UnderrunCounter::kSettleNs + 1;

// Blocks asked for at the given times (after the settling time); the number that came late.
int LateBlocks(const std::vector<int64_t>& times) {
  UnderrunCounter counter(kRate, 2 * kPeriod, 0);
  int late = 0;
  for (int64_t t : times) late += counter.Block(kStartNs + t, kPeriod) ? 1 : 0;
  return late;
}

}  // namespace

// Even blocks, blocks taken four at once after a pause of four periods (as a server with a
// large block size asks for them) and a jittery pace that never lets the buffer run out are
// fine; a stall longer than the buffer counts once, and again at a second stall. Nothing counts
// while the stream settles.
TEST(UnderrunCounter, CountsOnlyWhenTheRenderedSoundAndTheBufferHavePlayed) {
  std::vector<int64_t> even, bursts, jitter, oneStall, twoStalls;
  for (int i = 0; i < 40; ++i) even.push_back(i * kPeriodNs);
  for (int i = 0; i < 40; ++i) bursts.push_back(i / 4 * 4 * kPeriodNs + i % 4 * 1000);
  for (int i = 0; i < 40; ++i) jitter.push_back(i * kPeriodNs + (i % 2 ? kPeriodNs * 3 / 2 : 0));
  for (int i = 0; i < 40; ++i) oneStall.push_back(i * kPeriodNs + (i >= 20 ? 4 * kPeriodNs : 0));
  for (int i = 0; i < 40; ++i) twoStalls.push_back(i * kPeriodNs + (i >= 10 ? 4 * kPeriodNs : 0) + (i >= 30 ? 4 * kPeriodNs : 0));
  EXPECT_EQ(LateBlocks(even), 0);
  EXPECT_EQ(LateBlocks(bursts), 0);
  EXPECT_EQ(LateBlocks(jitter), 0);
  EXPECT_EQ(LateBlocks(oneStall), 1);
  EXPECT_EQ(LateBlocks(twoStalls), 2);

  UnderrunCounter settling(kRate, 2 * kPeriod, 0);
  EXPECT_FALSE(settling.Block(0, kPeriod));
  EXPECT_FALSE(settling.Block(UnderrunCounter::kSettleNs / 2, kPeriod)) << "a pause while the stream settles";
}
