#include "sound/Mixer.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {
// The block clock follows the audio callbacks slowly (1/16 of each error), so callback
// jitter does not move the notes; a jump of more than this many blocks resets it.
constexpr int64_t kClockCorrectionDivisor = 16;
constexpr int64_t kClockResyncBlocks = 4;
constexpr int64_t kNoTiming = INT64_MIN / 4;
}  // namespace

int64_t Mixer::NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Mixer::SetTimed(bool timed, int latencyFrames) {
  latencyNs_ = static_cast<int64_t>(std::llround(latencyFrames * kNsPerFrame));
  timed_ = timed;
  blockClockValid_ = false;
  if (!timed) FlushQueue();
}

void Mixer::Send(uint32_t message) {
  // A program change may load samples from disk: done here, never on the audio thread.
  if (!timed_ || midi::Kind(message) == midi::kProgramChange || !queue_.Push({NowNs(), message, false})) {
    if (synth_) synth_->Apply(message);
  }
}

void Mixer::Reset() {
  if (!timed_ || !queue_.Push({NowNs(), 0, true})) {
    if (synth_) synth_->Silence();
  }
}

void Mixer::Deliver(const TimedMidiMessage& m) {
  if (!synth_) return;
  if (m.reset) {
    synth_->Silence();
  } else {
    synth_->Apply(m.message);
  }
}

void Mixer::FlushQueue() {
  while (auto m = queue_.Front()) {
    Deliver(*m);
    queue_.Pop();
  }
}

void Mixer::RenderSynth(float* left, float* right, int frames) {
  if (synth_ && frames > 0) synth_->RenderAdd(left, right, frames);
}

void Mixer::Render(float* left, float* right, int frames, int64_t blockStartNs) {
  std::fill(left, left + frames, 0.0f);
  std::fill(right, right + frames, 0.0f);
  int done = 0;
  while (auto m = queue_.Front()) {
    int position = 0;
    if (blockStartNs != kNoTiming) {
      const double offset = static_cast<double>(m->sentNs + latencyNs_ - blockStartNs) / kNsPerFrame;
      if (offset >= frames) break;  // due in a later block
      position = std::clamp(static_cast<int>(std::floor(offset)), done, frames);
    }
    RenderSynth(left + done, right + done, position - done);
    done = std::max(done, position);
    Deliver(*m);
    queue_.Pop();
  }
  RenderSynth(left + done, right + done, frames - done);
  wave_.MixInto(left, right, frames);
  for (int i = 0; i < frames; ++i) {
    left[i] = std::clamp(left[i], -1.0f, 1.0f);
    right[i] = std::clamp(right[i], -1.0f, 1.0f);
  }
}

void Mixer::RenderNow(float* left, float* right, int frames) {
  const int64_t now = NowNs();
  const auto blockNs = static_cast<int64_t>(frames * kNsPerFrame);
  int64_t start = now;
  if (blockClockValid_ && std::llabs(now - nextBlockNs_) <= kClockResyncBlocks * blockNs) {
    start = nextBlockNs_ + (now - nextBlockNs_) / kClockCorrectionDivisor;
  }
  blockClockValid_ = true;
  nextBlockNs_ = start + blockNs;
  Render(left, right, frames, start);
}

void Mixer::RenderOffline(float* left, float* right, int frames) { Render(left, right, frames, kNoTiming); }
