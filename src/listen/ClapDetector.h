#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// Claps in a mono signal: aubio's onset detection on short hops, each onset then placed on the
// first sample of its attack (where the level first reaches half of the burst's peak), so that
// a clap's time is known to about a millisecond, not to a hop.
class ClapDetector {
 public:
  explicit ClapDetector(uint32_t sampleRate);
  ~ClapDetector();
  ClapDetector(const ClapDetector&) = delete;
  ClapDetector& operator=(const ClapDetector&) = delete;

  uint32_t SampleRate() const { return rate_; }
  // The samples in order; the claps found, by their sample position from the first sample
  // ever fed. A clap is told up to a few hops after it was fed.
  std::vector<int64_t> Feed(std::span<const float> samples);

 private:
  struct Aubio;
  void AnalyseHop(std::vector<int64_t>& found);
  // The highest sample around aubio's onset.
  float PeakAround(int64_t onset) const;
  int64_t AttackOf(int64_t onset) const;
  float HistoryAt(int64_t position) const;

  uint32_t rate_;
  uint32_t hopSize_;
  uint32_t windowSize_;
  std::unique_ptr<Aubio> aubio_;
  uint32_t filled_ = 0;
  int64_t fed_ = 0;  // samples fed so far
  int64_t lastClap_ = -1;
  // The last samples, for placing the attack.
  std::vector<float> history_;
};
