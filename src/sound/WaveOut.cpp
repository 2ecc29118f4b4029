#include "sound/WaveOut.h"

#include <vector>

#include "sound/AudioEngine.h"

namespace {
constexpr uint16_t kPcm = 1;
constexpr uint16_t kMono = 1;
constexpr uint16_t kBitsPerSample = 16;
constexpr uint32_t kBytesPerSample = kBitsPerSample / 8;
}  // namespace

uint32_t WaveOut::OutputRate() {
  GetAudioEngine().EnsureOutput();
  return static_cast<uint32_t>(GetAudioEngine().Rate());
}

bool WaveOut::Open(const WaveFormat& format) {
  if (format.formatTag != kPcm || format.channels != kMono || format.bitsPerSample != kBitsPerSample ||
      format.samplesPerSec != OutputRate()) {
    return false;
  }
  open_ = true;
  return true;
}

void WaveOut::Write(const int16_t* samples, uint32_t lengthBytes, bool loop) {
  if (!open_ || !samples) return;
  std::vector<int16_t> copy(samples, samples + lengthBytes / kBytesPerSample);
  GetAudioEngine().Wave().Play(std::move(copy), loop);
}

void WaveOut::Reset() {
  if (open_) GetAudioEngine().Wave().Stop();
}

void WaveOut::Close() {
  Reset();
  open_ = false;
}
