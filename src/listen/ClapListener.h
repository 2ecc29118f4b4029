#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "listen/AubioMissing.h"
#include "listen/ClapDetector.h"
#include "listen/VoiceCapture.h"

// Where a sample of the capture lies on the program's millisecond clock: the blocks arrive
// after their last sample was recorded, each late by some amount; the least late of them
// pins the samples to the clock. The estimate creeps later by a little each block, so that
// the two clocks drifting apart over a long session does not leave it behind.
class SampleClock {
 public:
  explicit SampleClock(uint32_t sampleRate) : rate_(sampleRate) {}
  // A block ended with sample endPosition (exclusive) and arrived at arrivalMs.
  void BlockArrived(int64_t endPosition, uint32_t arrivalMs);
  // The clock's time of the sample.
  uint32_t ClockOf(int64_t position) const;

 private:
  uint32_t rate_;
  bool known_ = false;
  uint32_t base_ = 0;        // the clock at the first block's arrival
  double zeroMs_ = 0.0;      // sample 0, in ms from base_
};

// Claps into the microphone, each told on the capture thread with the time it happened on the
// program's millisecond clock (placed by its sample position).
class ClapListener : private CaptureConsumer {
 public:
  explicit ClapListener(std::function<void(uint32_t atMs)> onClap);
  ~ClapListener() override;

  void Open(const std::string& deviceName = {}) {
    if (AubioLoads()) capture_.Open(deviceName);
  }
  void Close() { capture_.Close(); }
  CaptureStatus Status() const { return AubioLoads() ? capture_.Status() : AubioMissingStatus(); }

 private:
  void Started(uint32_t sampleRate) override;
  void Block(std::span<const float> samples) override;

  std::function<void(uint32_t)> onClap_;
  // Capture thread only.
  std::unique_ptr<ClapDetector> detector_;
  std::unique_ptr<SampleClock> clock_;
  int64_t position_ = 0;
  VoiceCapture capture_;  // last: stopped first
};
