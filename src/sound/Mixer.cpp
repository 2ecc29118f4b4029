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
// The output flows once its callbacks have come without a long pause for this long.
constexpr int64_t kSteadyNs = 300'000'000;
constexpr int64_t kLongPauseNs = 50'000'000;
}  // namespace

int64_t Mixer::NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

int64_t Mixer::ClockMsToNs(uint32_t ms) {
  constexpr int64_t kNsPerMs = 1'000'000;
  const int64_t nowMs = NowNs() / kNsPerMs;
  // The difference to now, taken in 32 bits, survives the wrap of the millisecond clock.
  const auto ahead = static_cast<int32_t>(ms - static_cast<uint32_t>(nowMs));
  return (nowMs + ahead) * kNsPerMs;
}

void Mixer::SetTimed(bool timed, int latencyFrames, int rate) {
  if (rate > 0) {
    rate_ = rate;
    nsPerFrame_ = 1e9 / rate;
  }
  latencyNs_ = static_cast<int64_t>(std::llround(latencyFrames * nsPerFrame_));
  timed_ = timed;
  blockClockValid_ = false;
  if (!timed) FlushQueue();
}

void Mixer::Send(uint32_t message) {
  // A program change, or a channel's first note, may load samples from disk: done here, never
  // on the audio thread.
  if (synth_) synth_->PrepareFor(message);
  if (!timed_ || midi::Kind(message) == midi::kProgramChange || !live_.Push({NowNs(), message, false})) {
    if (synth_) synth_->Apply(message);
  }
}

void Mixer::Reset() {
  if (!timed_ || !live_.Push({NowNs(), 0, true})) {
    if (synth_) synth_->Silence();
  }
}

void Mixer::SendAt(uint32_t message, int64_t dueNs) {
  // A program change, or a channel's first note, may load samples from disk: done here, never
  // on the audio thread.
  if (synth_) synth_->PrepareFor(message);
  if (!timed_ || midi::Kind(message) == midi::kProgramChange || !queue_.Push({dueNs, message, false})) {
    if (synth_) synth_->Apply(message);
  }
}

void Mixer::ResetAt(int64_t dueNs) {
  if (!timed_ || !queue_.Push({dueNs, 0, true})) {
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
  for (TimedMidiQueue* q : {&live_, &queue_}) {
    while (auto m = q->Front()) {
      Deliver(*m);
      q->Pop();
    }
  }
}

void Mixer::RenderSynth(float* left, float* right, int frames) {
  if (synth_ && frames > 0) synth_->RenderAdd(left, right, frames);
}

void Mixer::Render(float* left, float* right, int frames, int64_t blockStartNs) {
  std::fill(left, left + frames, 0.0f);
  std::fill(right, right + frames, 0.0f);
  while (auto m = live_.Front()) {
    Deliver(*m);
    live_.Pop();
  }
  int done = 0;
  while (auto m = queue_.Front()) {
    int position = 0;
    if (blockStartNs != kNoTiming) {
      const int64_t dueNs = m->sentNs + latencyNs_ + slipNs_;
      const double offset = static_cast<double>(dueNs - blockStartNs) / nsPerFrame_;
      if (offset >= frames) break;  // due in a later block
      if (offset < done) {
        // Late: it plays at the first free sample, and everything after it slips as much.
        slipNs_ += blockStartNs + static_cast<int64_t>(std::ceil(done * nsPerFrame_)) - dueNs;
        position = done;
      } else {
        position = std::min(static_cast<int>(std::floor(offset)), frames);
      }
    }
    RenderSynth(left + done, right + done, position - done);
    done = std::max(done, position);
    Deliver(*m);
    queue_.Pop();
  }
  if (queue_.Empty()) slipNs_ = 0;
  RenderSynth(left + done, right + done, frames - done);
  wave_.MixInto(left, right, frames);
  for (int i = 0; i < frames; ++i) {
    left[i] = std::clamp(left[i], -1.0f, 1.0f);
    right[i] = std::clamp(right[i], -1.0f, 1.0f);
  }
}

bool Mixer::Flowing() const {
  const int64_t now = NowNs();
  const int64_t since = steadySinceNs_.load();
  return since != 0 && now - since >= kSteadyNs && now - lastCallbackNs_.load() < kLongPauseNs;
}

void Mixer::RenderNow(float* left, float* right, int frames) {
  const int64_t now = NowNs();
  if (now - lastCallbackNs_.load() > kLongPauseNs) steadySinceNs_ = now;
  lastCallbackNs_ = now;
  const auto blockNs = static_cast<int64_t>(frames * nsPerFrame_);
  int64_t start = now;
  if (blockClockValid_ && std::llabs(now - nextBlockNs_) <= kClockResyncBlocks * blockNs) {
    start = nextBlockNs_ + (now - nextBlockNs_) / kClockCorrectionDivisor;
  }
  blockClockValid_ = true;
  nextBlockNs_ = start + blockNs;
  Render(left, right, frames, start);
}

void Mixer::RenderOffline(float* left, float* right, int frames) { Render(left, right, frames, kNoTiming); }
