#include "listen/SungNoteDetector.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr float kVibratoCents = 30;        // how far single frames may swing beyond the tolerance
// The frames of kHoldSeconds must be at the note within a window this much longer: a few may
// drop out or jump.
constexpr double kSpread = 1.15;
constexpr double kBreakSeconds = 0.05;     // a silence this long separates two notes

}  // namespace

SungNoteDetector::SungNoteDetector(int toleranceCents) { SetTolerance(toleranceCents); }

void SungNoteDetector::SetTolerance(int cents) {
  toleranceCents_ = std::clamp(cents, kLowestToleranceCents, kHighestToleranceCents);
}

void SungNoteDetector::Reset() {
  window_.clear();
  hopSeconds_ = 0;
  silentSeconds_ = 0;
  lastNote_.reset();
  silenceFrom_.reset();
  onsetFrom_ = 0;
}

std::optional<SungNote> SungNoteDetector::Add(const PitchFrame& frame) {
  if (!window_.empty()) {
    const double step = frame.seconds - window_.back().seconds;
    if (step > 0 && (hopSeconds_ == 0 || step < hopSeconds_)) hopSeconds_ = step;
  }
  window_.push_back(frame);
  while (frame.seconds - window_.front().seconds >= kHoldSeconds * kSpread) window_.pop_front();

  if (frame.Voiced()) {
    silentSeconds_ = 0;
  } else {
    silentSeconds_ += hopSeconds_;
    if (silentSeconds_ >= kBreakSeconds && !silenceFrom_) silenceFrom_ = frame.seconds;
  }
  if (frame.onset) onsetFrom_ = frame.seconds - hopSeconds_;

  std::optional<SungNote> note = HeldNote(frame.seconds);
  if (!note) return std::nullopt;
  if (lastNote_ == note->midi) {
    const auto since = [&note](double from) { return note->startSeconds >= from - 1e-9; };
    if (!(silenceFrom_ && since(*silenceFrom_)) && !since(onsetFrom_)) return std::nullopt;
  }
  lastNote_ = note->midi;
  silenceFrom_.reset();
  onsetFrom_ = std::numeric_limits<double>::infinity();
  return note;
}

std::optional<SungNote> SungNoteDetector::HeldNote(double now) const {
  if (hopSeconds_ <= 0) return std::nullopt;
  const double wanted = kHoldSeconds / hopSeconds_ - 0.5;

  scratch_.clear();
  for (const PitchFrame& frame : window_)
    if (frame.Voiced()) scratch_.push_back(frame.midi);
  if (double(scratch_.size()) < wanted) return std::nullopt;
  const auto middle = scratch_.begin() + std::ptrdiff_t(scratch_.size() / 2);
  std::nth_element(scratch_.begin(), middle, scratch_.end());
  const int note = int(std::lround(*middle));

  const float bound = float(toleranceCents_) + kVibratoCents;
  // The hold: the latest frames at the note, as many as kHoldSeconds holds (older ones may be
  // the end of a slide).
  double sum = 0;
  int atNote = 0;
  double start = now;
  for (auto frame = window_.rbegin(); frame != window_.rend() && atNote < wanted; ++frame) {
    if (!frame->Voiced()) continue;
    const float cents = (frame->midi - float(note)) * 100;
    if (std::fabs(cents) > bound) continue;
    start = frame->seconds - hopSeconds_;
    sum += cents;
    ++atNote;
  }
  if (double(atNote) < wanted) return std::nullopt;
  const double mean = sum / atNote;
  if (std::fabs(mean) > toleranceCents_) return std::nullopt;
  return SungNote{note, float(mean), start, now};
}
