#include "listen/PitchMeter.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr size_t kSteadyFrames = 5;  // the needle follows the median of these

}  // namespace

PitchMeter::PitchMeter(double traceSeconds) : traceSeconds_(traceSeconds) {}

void PitchMeter::Clear() { *this = PitchMeter(traceSeconds_); }

void PitchMeter::Add(std::span<const PitchFrame> frames) {
  for (const PitchFrame& frame : frames) {
    trace_.push_back({frame.seconds, frame.midi});
    levelDb_ = frame.levelDb;
    if (frame.Voiced()) {
      lastVoiced_ = frame.seconds;
      recent_.push_back(frame.midi);
      if (recent_.size() > kSteadyFrames) recent_.pop_front();
      std::vector<float> sorted(recent_.begin(), recent_.end());
      std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(sorted.size() / 2), sorted.end());
      const float pitch = sorted[sorted.size() / 2];
      note_ = int(std::lround(pitch));
      cents_ = std::clamp((pitch - float(*note_)) * 100, -50.0f, 50.0f);
    } else if (frame.seconds - lastVoiced_ > kNoteLingerSeconds) {
      note_.reset();
      recent_.clear();
      cents_ = 0;
    }
  }
  if (!trace_.empty()) {
    const double newest = trace_.back().seconds;
    while (newest - trace_.front().seconds > traceSeconds_) trace_.pop_front();
  }
}
